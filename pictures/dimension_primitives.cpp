#include "dimension_primitives.h"

#include <QStringList>
#include <array>
#include <cstdlib>

namespace zorvik {
namespace {

QChar LineBreak() { return QChar(u'\r'); }

// Extension lines of zero length are left out altogether: a one-pixel line
// would leave a dot on the outline.
void ExtensionLine(Canvas& canvas, int x1, int y1, int x2, int y2) {
    if (x1 == x2 && y1 == y2) return;
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

// Text drawn on the dimension line (or across an extension line) takes the
// colour of the page just inside its start as an opaque ground, so it hides
// the line beneath it; all other text is transparent.
void SetDimensionTextGround(Canvas& canvas, bool onTheLine, int x, int y) {
    if (onTheLine) {
        canvas.SetBrushStyle(BrushStyle::Solid);
        canvas.SetBrushColor(canvas.Pixel(x + 1, y + 1));
    } else {
        canvas.SetBrushStyle(BrushStyle::Clear);
    }
}

}  // namespace

void DrawHorizontalDimension(Canvas& canvas, int x, int y, int length, int arrows, const QString& inchText,
                             const QString& mmText, bool metric, int textPos, int textOffset, int startExtFrom,
                             int startExtTo, int endExtFrom, int endExtTo, const QColor& fill) {
    if (length < 0) {
        x += length;
        length = -length;
    }
    const QString& text = metric ? mmText : inchText;

    canvas.SetBrushColor(fill);
    canvas.MoveTo(x + 7, y);
    canvas.LineTo(x + length - 7, y);
    if (arrows == ArrowStart || arrows == ArrowBoth) canvas.Polygon({{x + 1, y}, {x + 7, y - 3}, {x + 7, y + 3}});
    if (arrows == ArrowEnd || arrows == ArrowBoth)
        canvas.Polygon({{x + length - 1, y}, {x + length - 7, y - 3}, {x + length - 7, y + 3}});
    ExtensionLine(canvas, x, y + startExtFrom, x, y + startExtTo);
    ExtensionLine(canvas, x + length, y + endExtFrom, x + length, y + endExtTo);

    const int w = canvas.TextWidth(text);
    const int h = canvas.TextHeight(QStringLiteral("W")) + 1;
    const int o = textOffset;
    const int left = x + 10 + o;
    const int centre = x + (length - w) / 2 + o;
    const int right = x + length - w - 10 + o;
    const std::array<QPoint, 9> corners = {{
        {left, y - h},
        {centre, y - h},
        {right, y - h},
        {left, y - h / 2},
        {centre, y - h / 2},
        {right, y - h / 2},
        {left, y + 2},
        {centre, y + 2},
        {right, y + 2},
    }};
    if (textPos >= 0 && textPos <= 8 && !text.isEmpty()) {
        // A text wider than its dimension reaches over the extension lines;
        // like a text on the line, it then breaks them instead of being
        // struck through.
        const int textLeft = corners[textPos].x();
        const auto crosses = [&](int lineX) { return textLeft <= lineX && lineX < textLeft + w; };
        const bool onTheLine = textPos >= 3 && textPos <= 5;
        SetDimensionTextGround(canvas, onTheLine || crosses(x) || crosses(x + length), x, y);
        canvas.TextOut(textLeft, corners[textPos].y(), text);
    }
    canvas.SetBrushStyle(BrushStyle::Solid);
}

void DrawVerticalDimension(Canvas& canvas, int x, int y, int length, int arrows, const QString& inchText,
                           const QString& mmText, bool metric, int textPos, int textOffset, int startExtFrom,
                           int startExtTo, int endExtFrom, int endExtTo, const QColor& fill) {
    if (length < 0) {
        y += length;
        length = -length;
    }
    const QString& text = metric ? mmText : inchText;

    canvas.SetBrushColor(fill);
    canvas.MoveTo(x, y + 7);
    canvas.LineTo(x, y + length - 7);
    if (arrows == ArrowTop || arrows == ArrowTopAndBottom) canvas.Polygon({{x, y + 1}, {x - 3, y + 7}, {x + 3, y + 7}});
    if (arrows == ArrowBottom || arrows == ArrowTopAndBottom)
        canvas.Polygon({{x, y + length - 1}, {x - 3, y + length - 7}, {x + 3, y + length - 7}});
    ExtensionLine(canvas, x + startExtFrom, y, x + startExtTo, y);
    ExtensionLine(canvas, x + endExtFrom, y + length, x + endExtTo, y + length);

    const int w = canvas.TextWidth(text);
    const int h = canvas.TextHeight(QStringLiteral("W"));
    SetDimensionTextGround(canvas, textPos == 1 || textPos == 4 || textPos == 7, x, y);
    const int o = textOffset;
    const int top = y + 10 + o;
    const int middle = y + (length - h) / 2 + o;
    const int bottom = y + length - h - 10 + o;
    const std::array<QPoint, 9> corners = {{
        {x - w - 4, top},
        {x - w / 2, top},
        {x + 4, top},
        {x - w - 4, middle},
        {x - w / 2, middle},
        {x + 4, middle},
        {x - w - 4, bottom},
        {x - w / 2, bottom},
        {x + 4, bottom},
    }};
    if (textPos >= 0 && textPos <= 8 && !text.isEmpty())
        canvas.TextOut(corners[textPos].x(), corners[textPos].y(), text);
    canvas.SetBrushStyle(BrushStyle::Solid);
}

void DrawLeaderNote(Canvas& canvas, int x, int y, const QColor& fill, int textPos, const QString& note, int dy,
                    int dx) {
    // The note is cut at most four times; what is left after the last cut is
    // the text the note is placed by (its last line, or on a note of more than
    // four lines everything beyond the fourth).
    std::array<QString, 4> lines;
    QString rest = note;
    for (QString& line : lines) {
        const auto cut = rest.indexOf(LineBreak());
        if (cut < 0) {
            line = rest;
            break;
        }
        line = rest.left(cut);
        rest = rest.mid(cut + 1);
    }

    canvas.SetBrushColor(fill);
    // Unit vector from the tip back along the leader.
    int ux = 0;
    int uy = 0;
    if (std::abs(dy) < std::abs(dx))
        ux = dx < 0 ? -1 : 1;
    else
        uy = dy < 0 ? -1 : 1;
    const int px = uy;  // across the leader
    const int py = ux;
    canvas.Polygon({{x, y}, {x + 6 * ux - 3 * px, y + 6 * uy - 3 * py}, {x + 6 * ux + 3 * px, y + 6 * uy + 3 * py}});
    canvas.MoveTo(x + 6 * ux, y + 6 * uy);
    canvas.LineTo(x + 10 * ux, y + 10 * uy);
    canvas.LineTo(x + dx, y + dy);

    const int w = canvas.TextWidth(rest);
    const int h = canvas.TextHeight(QStringLiteral("W"));
    const int ex = x + dx;
    const int ey = y + dy;
    const std::array<QPoint, 9> corners = {{
        {ex - w - 4, ey - h},
        {ex - w / 2, ey - h},
        {ex + 4, ey - h},
        {ex - w - 4, ey - h / 2},
        {ex - w / 2, ey - h / 2},
        {ex + 4, ey - h / 2},
        {ex - w - 4, ey + 2},
        {ex - w / 2, ey + 2},
        {ex + 4, ey + 2},
    }};
    const QPoint corner = textPos >= 0 && textPos <= 8 ? corners[textPos] : QPoint(0, 0);
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(fill);
    for (int j = 0; j < 4; ++j) canvas.TextOut(corner.x(), corner.y() + j * h, lines[j]);
}

void DrawTextLines(Canvas& canvas, int x, int y, const QString& text) {
    const QStringList lines = text.split(LineBreak());
    const int h = canvas.TextHeight(QStringLiteral("W"));
    for (int j = 0; j < lines.size() && j < 10; ++j) canvas.TextOut(x, y + j * h, lines[j]);
}

void DrawNotWrittenMessage(Canvas& canvas, int x, int y) {
    canvas.SetBrushColor(colors::White);
    DrawTextLines(canvas, x, y,
                  canvas.Say(Tr("Drawings", "Sorry......\rThe code for this drawing has not been written yet!")));
}

void DrawDrawingTitle(Canvas& canvas, const QString& text) {
    canvas.SetFont(QStringLiteral("arial"), 12, true, false, true);
    canvas.SetFontColor(colors::Blue);
    canvas.SetPenWidth(1);
    canvas.TextOut(500, 430, text);
}

void PrepareDrawingPage(Canvas& canvas) {
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(colors::White);
    canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
    canvas.SetBrushColor(colors::Black);
    canvas.FrameRect(0, 0, canvas.Width(), canvas.Height());
    canvas.SetBrushColor(colors::White);
    canvas.SetFont(QStringLiteral("arial"), 10);
    canvas.SetFontColor(colors::Blue);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenWidth(1);
    canvas.SetPenColor(colors::Black);
}

}  // namespace zorvik
