#include <gtest/gtest.h>

#include <QImage>
#include <QStringList>
#include <functional>

#include "dimension_primitives.h"

namespace zorvik {
namespace {

// A page the way the drawings start: white (or any ground), dimension font.
QImage Page(const QColor& ground = colors::White) {
    QImage image(240, 200, QImage::Format_RGB32);
    image.fill(ground);
    return image;
}

QImage Draw(const std::function<void(Canvas&)>& paint, const QColor& ground = colors::White) {
    QImage image = Page(ground);
    Canvas canvas(image);
    canvas.SetFont(QStringLiteral("arial"), 10);
    canvas.SetFontColor(colors::Blue);
    paint(canvas);
    return image;
}

QColor At(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

int TextW(const QString& text) {
    QImage scratch(4, 4, QImage::Format_RGB32);
    Canvas canvas(scratch);
    canvas.SetFont(QStringLiteral("arial"), 10);
    return canvas.TextWidth(text);
}

int TextH() {
    QImage scratch(4, 4, QImage::Format_RGB32);
    Canvas canvas(scratch);
    canvas.SetFont(QStringLiteral("arial"), 10);
    return canvas.TextHeight(QStringLiteral("W"));
}

void Horizontal(Canvas& c, int x, int y, int length, int arrows, const QString& text, int textPos, int offset = 0,
                int ext = 0) {
    DrawHorizontalDimension(c, x, y, length, arrows, QStringLiteral("inch"), text, true, textPos, offset, -ext, ext,
                            -ext, ext, DrawingFill);
}

void Vertical(Canvas& c, int x, int y, int length, int arrows, const QString& text, int textPos, int offset = 0,
              int ext = 0) {
    DrawVerticalDimension(c, x, y, length, arrows, QStringLiteral("inch"), text, true, textPos, offset, -ext, ext, -ext,
                          ext, DrawingFill);
}

TEST(DimensionPrimitivesTest, NegativeLengthIsDrawnFromTheOtherEnd) {
    const QString text = QStringLiteral("25 mm");
    for (int arrows : {ArrowStart, ArrowEnd, ArrowBoth}) {
        for (int textPos : {1, 4, 8}) {
            const QImage back = Draw([&](Canvas& c) { Horizontal(c, 170, 100, -90, arrows, text, textPos, 3, 12); });
            const QImage forth = Draw([&](Canvas& c) { Horizontal(c, 80, 100, 90, arrows, text, textPos, 3, 12); });
            EXPECT_EQ(back, forth) << "horizontal arrows " << arrows << " textPos " << textPos;
        }
    }
    for (int arrows : {ArrowTop, ArrowBottom, ArrowTopAndBottom}) {
        for (int textPos : {0, 4, 5}) {
            const QImage back = Draw([&](Canvas& c) { Vertical(c, 120, 170, -120, arrows, text, textPos, 3, 12); });
            const QImage forth = Draw([&](Canvas& c) { Vertical(c, 120, 50, 120, arrows, text, textPos, 3, 12); });
            EXPECT_EQ(back, forth) << "vertical arrows " << arrows << " textPos " << textPos;
        }
    }
}

// Each arrowhead is outlined in black from its tip to its base corners and
// filled yellow; an arrows value that names neither end draws neither. (The
// surface leaves a shape's lowest right-hand corner pixel out, as it does
// the right and bottom edges of rectangles, so the lower base corner is
// checked one pixel up.)
TEST(DimensionPrimitivesTest, ArrowheadsSitAtTheirCorners) {
    const int x = 40, y = 100, len = 120;
    struct Case {
        int arrows;
        bool start, end;
    } const cases[] = {{ArrowStart, true, false}, {ArrowEnd, false, true}, {ArrowBoth, true, true}, {7, false, false}};
    for (const Case& k : cases) {
        const QImage image = Draw([&](Canvas& c) { Horizontal(c, x, y, len, k.arrows, QString(), 9); });
        const auto check = [&](bool drawn, int tipX, int baseX, int inner) {
            EXPECT_EQ(At(image, tipX, y) == colors::Black, drawn) << k.arrows;
            EXPECT_EQ(At(image, baseX, y - 3) == colors::Black, drawn) << k.arrows;
            EXPECT_EQ(At(image, baseX, y + 2) == colors::Black, drawn) << k.arrows;
            EXPECT_EQ(At(image, inner, y) == colors::Yellow, drawn) << k.arrows;
        };
        check(k.start, x + 1, x + 7, x + 5);
        check(k.end, x + len - 1, x + len - 7, x + len - 5);
        EXPECT_EQ(At(image, x + len / 2, y), colors::Black);
        // The line itself starts at the arrowheads' bases, x + 7.
        EXPECT_EQ(At(image, x + 6, y) == colors::Black, false);
        EXPECT_EQ(At(image, x + 7, y), colors::Black);
    }

    const QImage v = Draw([&](Canvas& c) { Vertical(c, 100, 40, 120, ArrowTopAndBottom, QString(), 9); });
    EXPECT_EQ(At(v, 100, 41), colors::Black);
    EXPECT_EQ(At(v, 97, 47), colors::Black);
    EXPECT_EQ(At(v, 102, 47), colors::Black);
    EXPECT_EQ(At(v, 100, 45), colors::Yellow);
    EXPECT_EQ(At(v, 100, 159), colors::Black);
    EXPECT_EQ(At(v, 97, 153), colors::Black);
    EXPECT_EQ(At(v, 100, 155), colors::Yellow);
}

TEST(DimensionPrimitivesTest, ExtensionLinesRunAcrossTheEnds) {
    const QImage image = Draw([](Canvas& c) {
        DrawHorizontalDimension(c, 50, 100, 100, ArrowBoth, QString(), QString(), true, 9, 0, -20, 10, 5, 30,
                                DrawingFill);
    });
    for (int y = 80; y < 110; ++y) EXPECT_EQ(At(image, 50, y), colors::Black) << y;
    EXPECT_EQ(At(image, 50, 79), colors::White);
    EXPECT_EQ(At(image, 50, 110), colors::White);  // the end point is not painted
    for (int y = 105; y < 130; ++y) EXPECT_EQ(At(image, 150, y), colors::Black) << y;
    EXPECT_EQ(At(image, 150, 104), colors::White);

    // An extension whose two ends are equal leaves no dot behind.
    const QImage none = Draw([](Canvas& c) {
        DrawVerticalDimension(c, 100, 40, 100, ArrowTopAndBottom, QString(), QString(), true, 9, 0, 15, 15, -30, -10,
                              DrawingFill);
    });
    EXPECT_EQ(At(none, 115, 40), colors::White);
    for (int x = 70; x < 90; ++x) EXPECT_EQ(At(none, x, 140), colors::Black) << x;
}

// Each text position puts the text exactly where the drawing rule says:
// the picture equals the bare dimension with the text written at that
// corner by hand, transparently, or on the page colour found at
// (x + 1, y + 1) for the positions that sit on the line.
TEST(DimensionPrimitivesTest, TextPositions) {
    const QString text = QStringLiteral("123.4 mm");
    const int w = TextW(text);
    const QColor ground(200, 230, 250);
    const int x = 60, y = 100, len = 91, o = 3;
    for (int pos = 0; pos <= 9; ++pos) {
        // Horizontal: h is the height of "W" plus one; halves round to zero.
        const int hh = TextH() + 1;
        const int cx[3] = {x + 10 + o, x + (len - w) / 2 + o, x + len - w - 10 + o};
        const int cy[3] = {y - hh, y - hh / 2, y + 2};
        const QImage drawn = Draw([&](Canvas& c) { Horizontal(c, x, y, len, ArrowBoth, text, pos, o, 10); }, ground);
        const QImage expected = Draw(
            [&](Canvas& c) {
                Horizontal(c, x, y, len, ArrowBoth, QString(), pos, o, 10);
                if (pos > 8) return;
                const bool onLine = pos >= 3 && pos <= 5;
                c.SetBrushColor(ground);
                c.SetBrushStyle(onLine ? BrushStyle::Solid : BrushStyle::Clear);
                c.TextOut(cx[pos % 3], cy[pos / 3], text);
            },
            ground);
        EXPECT_EQ(drawn, expected) << "horizontal textPos " << pos;

        // Vertical: h is the height of "W"; the text goes left of, on or
        // right of the line.
        const int vh = TextH();
        const int vx[3] = {x - w - 4, x - w / 2, x + 4};
        const int vy[3] = {y + 10 + o, y + (len - vh) / 2 + o, y + len - vh - 10 + o};
        const QImage vDrawn = Draw([&](Canvas& c) { Vertical(c, x + 50, y - 60, len, 5, text, pos, o, 10); }, ground);
        const QImage vExpected = Draw(
            [&](Canvas& c) {
                Vertical(c, x + 50, y - 60, len, 5, QString(), pos, o, 10);
                if (pos > 8) return;
                const bool onLine = pos == 1 || pos == 4 || pos == 7;
                c.SetBrushColor(ground);
                c.SetBrushStyle(onLine ? BrushStyle::Solid : BrushStyle::Clear);
                c.TextOut(vx[pos % 3] + 50, vy[pos / 3] - 60, text);
            },
            ground);
        EXPECT_EQ(vDrawn, vExpected) << "vertical textPos " << pos;
    }
}

TEST(DimensionPrimitivesTest, OnTheLineTextHidesTheLineAndOthersDoNot) {
    const QColor ground(210, 240, 210);
    const auto lineShowsUnderText = [&](int pos) {
        const QImage image = Draw([&](Canvas& c) { Horizontal(c, 20, 100, 200, ArrowBoth, "WWWWWW", pos); }, ground);
        int black = 0;
        for (int x = 100; x < 140; ++x) black += At(image, x, 100) == colors::Black;
        return black;
    };
    EXPECT_EQ(lineShowsUnderText(4), 0);
    EXPECT_EQ(lineShowsUnderText(1), 40);
    EXPECT_EQ(lineShowsUnderText(7), 40);
}

// A text wider than its dimension breaks the extension lines it reaches
// over, above or below the line; a text that fits leaves them whole.
TEST(DimensionPrimitivesTest, WideTextBreaksTheExtensionLinesItCrosses) {
    const QString wide = QStringLiteral("WWWWWWWW");
    const int h = TextH() + 1;
    for (const auto& [pos, textTop] : {std::pair{1, 100 - h}, std::pair{7, 102}}) {
        const auto extensionInkUnderText = [&](int length) {
            const QImage image = Draw([&](Canvas& c) { Horizontal(c, 100, 100, length, ArrowBoth, wide, pos, 0, 30); });
            int black = 0;
            for (int y = textTop + 2; y < textTop + h - 2; ++y) black += At(image, 100, y) == colors::Black;
            return black;
        };
        EXPECT_EQ(extensionInkUnderText(TextW(wide) - 20), 0) << "textPos " << pos;
        EXPECT_EQ(extensionInkUnderText(TextW(wide) + 40), h - 4) << "textPos " << pos;
    }
}

TEST(DimensionPrimitivesTest, BrushIsLeftSolid) {
    const QColor ground(180, 180, 250);
    QImage image = Page(ground);
    Canvas c(image);
    Horizontal(c, 20, 100, 150, ArrowBoth, "9.50\"", 1);
    EXPECT_EQ(c.BrushStyleNow(), BrushStyle::Solid);
    EXPECT_EQ(c.BrushColor(), colors::Yellow);
    Horizontal(c, 20, 100, 150, ArrowBoth, "9.50\"", 4);
    EXPECT_EQ(c.BrushStyleNow(), BrushStyle::Solid);
    EXPECT_EQ(c.BrushColor(), ground);
    Vertical(c, 100, 20, 150, ArrowTopAndBottom, "9.50\"", 5);
    EXPECT_EQ(c.BrushStyleNow(), BrushStyle::Solid);
    EXPECT_EQ(c.BrushColor(), colors::Yellow);
}

// The arrowhead points at (x, y) from the side the leader leaves by: sideways
// when |dy| < |dx|, else up or down.
TEST(LeaderNoteTest, ArrowPointsFromTheLeaderSide) {
    // Tip, one base corner (the lowest right-hand one is left out by the
    // surface, see above), and the end of the stub 9 pixels out.
    struct Case {
        int dx, dy;
        QPoint base, stubEnd, inside;
        // clang-format off
    } const cases[] = {
        {40, -20, {6, -3}, {9, 0}, {4, 0}},    // right: |dy| < |dx|
        {-40, 20, {-6, 3}, {-9, 0}, {-4, 0}},  // left
        {20, -20, {-3, -6}, {0, -9}, {0, -4}},  // up: |dy| = |dx| leaves vertically
        {-5, 30, {-3, 6}, {0, 9}, {0, 4}},      // down
    };
    // clang-format on
    for (const Case& k : cases) {
        const QImage image =
            Draw([&](Canvas& c) { DrawLeaderNote(c, 120, 100, DrawingFill, 9, QString(), k.dy, k.dx); });
        const auto at = [&](QPoint d) { return At(image, 120 + d.x(), 100 + d.y()); };
        EXPECT_EQ(at({0, 0}), colors::Black) << k.dx << "," << k.dy;
        EXPECT_EQ(at(k.base), colors::Black) << k.dx << "," << k.dy;
        EXPECT_EQ(at(-k.base), colors::White) << "no arrowhead on the far side " << k.dx << "," << k.dy;
        EXPECT_EQ(at(k.stubEnd), colors::Black) << k.dx << "," << k.dy;
        EXPECT_EQ(at(k.inside), colors::Yellow) << k.dx << "," << k.dy;
    }
}

TEST(LeaderNoteTest, TextPositionsAndYellowGround) {
    const QString note = QStringLiteral("3/8\" NPT\rInlet Port");
    const int w = TextW(QStringLiteral("Inlet Port"));  // the last line places the note
    const int h = TextH();
    const int ex = 100 + 30, ey = 100 - 40;
    const int cx[3] = {ex - w - 4, ex - w / 2, ex + 4};
    const int cy[3] = {ey - h, ey - h / 2, ey + 2};
    for (int pos = 0; pos <= 9; ++pos) {
        const QImage drawn = Draw([&](Canvas& c) { DrawLeaderNote(c, 100, 100, DrawingFill, pos, note, -40, 30); });
        const QImage expected = Draw([&](Canvas& c) {
            DrawLeaderNote(c, 100, 100, DrawingFill, pos, QString(), -40, 30);
            const QPoint at = pos <= 8 ? QPoint(cx[pos % 3], cy[pos / 3]) : QPoint(0, 0);
            c.SetBrushColor(colors::Yellow);
            c.TextOut(at.x(), at.y(), QStringLiteral("3/8\" NPT"));
            c.TextOut(at.x(), at.y() + h, QStringLiteral("Inlet Port"));
        });
        EXPECT_EQ(drawn, expected) << "textPos " << pos;
    }
}

// Only four lines are shown; the note is placed by what is left after the
// fourth cut, here the fifth and sixth lines together.
TEST(LeaderNoteTest, NoteOfMoreThanFourLines) {
    const QString note = QStringLiteral("one\rtwo\rthree\rfour\rfifth line\rsix");
    const int w = TextW(QStringLiteral("fifth line\rsix"));
    const int h = TextH();
    const QImage drawn = Draw([&](Canvas& c) { DrawLeaderNote(c, 150, 60, DrawingFill, 0, note, 60, -20); });
    const QImage expected = Draw([&](Canvas& c) {
        DrawLeaderNote(c, 150, 60, DrawingFill, 0, QString(), 60, -20);
        const int x = 150 - 20 - w - 4;
        const int y = 60 + 60 - h;
        c.SetBrushColor(colors::Yellow);
        const QStringList lines = {"one", "two", "three", "four"};
        for (int j = 0; j < 4; ++j) c.TextOut(x, y + j * h, lines[j]);
    });
    EXPECT_EQ(drawn, expected);
}

TEST(TextLinesTest, AtMostTenLines) {
    QStringList lines;
    for (int i = 1; i <= 12; ++i) lines << QStringLiteral("line %1").arg(i);
    const QImage twelve = Draw([&](Canvas& c) { DrawTextLines(c, 10, 5, lines.join(QChar(u'\r'))); });
    const QImage ten = Draw([&](Canvas& c) { DrawTextLines(c, 10, 5, lines.mid(0, 10).join(QChar(u'\r'))); });
    EXPECT_EQ(twelve, ten);
    const QImage byHand = Draw([&](Canvas& c) {
        for (int j = 0; j < 10; ++j) c.TextOut(10, 5 + j * TextH(), lines[j]);
    });
    EXPECT_EQ(ten, byHand);
}

TEST(TitleTest, NotWrittenMessageAndTitleStandOnTheBrushTheyFind) {
    QImage image(617, 461, QImage::Format_RGB32);
    Canvas c(image);
    PrepareDrawingPage(c);
    EXPECT_EQ(At(image, 0, 0), colors::Black);
    EXPECT_EQ(At(image, 616, 460), colors::Black);
    EXPECT_EQ(At(image, 1, 1), colors::White);
    c.SetBrushColor(colors::Yellow);
    DrawNotWrittenMessage(c, 50, 150);
    EXPECT_EQ(c.BrushColor(), colors::White);
    DrawDrawingTitle(c, QStringLiteral("61399"));
    EXPECT_TRUE(c.CurrentFont().bold());
    EXPECT_TRUE(c.CurrentFont().underline());
    EXPECT_EQ(c.FontSize(), 12);
    EXPECT_EQ(c.PenPos().y(), 430);
    EXPECT_EQ(c.PenPos().x(), 500 + c.TextWidth(QStringLiteral("61399")));

    Horizontal(c, 20, 300, 150, ArrowBoth, "9.50\"", 1);
    DrawDrawingTitle(c, QStringLiteral("RB-8 "));
    EXPECT_EQ(At(image, 500, 430), colors::Yellow);
}

}  // namespace
}  // namespace zorvik
