#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>

#include "catalogue.h"
#include "chart_pictures.h"
#include "dimension_drawings.h"
#include "dimension_primitives.h"
#include "drawing_pictures.h"
#include "picture_file.h"

namespace zorvik {
namespace {

// The texts of a drawing in the order they are drawn, read back from the
// SVG file the command line would write.
QStringList DrawnTexts(const std::function<void(Canvas&)>& draw) {
    QTemporaryDir dir;
    const QString file = dir.filePath("drawing.svg");
    QString error;
    EXPECT_TRUE(DrawPictureFile(FilePath(file), 617, 461, draw, error)) << error.toStdString();
    QFile svg(file);
    EXPECT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(svg.readAll());
    static const QRegularExpression text(QStringLiteral(R"(<text[^>]*>([^<]*)</text>)"));
    QStringList texts;
    for (auto it = text.globalMatch(xml); it.hasNext();)
        texts << QTextDocumentFragment::fromHtml(it.next().captured(1)).toPlainText().trimmed();
    return texts;
}

struct DimensionedDrawing {
    std::string name;
    std::function<void(Canvas&, bool mm)> draw;
};

// Every drawing with dimensions: the models', the fixing-slot detail on its
// own and the two dimensioned options'.
std::vector<DimensionedDrawing> EveryDimensionedDrawing() {
    std::vector<DimensionedDrawing> drawings;
    for (int model = 1; model <= PumpCount; ++model)
        drawings.push_back({"model " + std::to_string(model), [model](Canvas& c, bool mm) {
                                DrawDrawing(c, {model, mm, 0, {}});
                            }});
    drawings.push_back({"fixing plan", [](Canvas& c, bool mm) {
                            PrepareDrawingPage(c);
                            DrawFixingPlan(c, 40, 40, mm);
                        }});
    for (const auto& [model, option] : {std::pair{1, 6}, std::pair{4, 14}})
        drawings.push_back({"option " + std::to_string(option), [model, option](Canvas& c, bool mm) {
                                DrawDrawing(c, {model, mm, option, QStringLiteral("title")});
                            }});
    return drawings;
}

// Half a unit of the last significant digit of a written length; trailing
// zeros are not significant ("29.10" is rounded to 0.1, "740.0" to 1).
double HalfUnitOfLastDigit(QString written) {
    if (written.contains(u'.')) {
        while (written.endsWith(u'0')) written.chop(1);
        if (written.endsWith(u'.')) written.chop(1);
    }
    const qsizetype point = written.indexOf(u'.');
    const qsizetype decimals = point < 0 ? 0 : written.size() - point - 1;
    return 0.5 * std::pow(10.0, -static_cast<double>(decimals));
}

// A dimension writes either its inch text or its millimetre text in the
// same place in the drawing, so the two drawings of one outline differ only
// in those texts: each pair must name the same length to within the
// rounding of its coarser text, or the two drawings contradict each other.
TEST(DrawingTextsTest, EveryMillimetreTextIsItsInchTextRounded) {
    static const QRegularExpression inches(QStringLiteral(R"(^(\d+\.\d+)\")"));
    static const QRegularExpression millimetres(QStringLiteral(R"(^(\d+(\.\d+)?) mm)"));
    int pairs = 0;
    for (const DimensionedDrawing& drawing : EveryDimensionedDrawing()) {
        const QStringList inch = DrawnTexts([&](Canvas& c) { drawing.draw(c, false); });
        const QStringList mm = DrawnTexts([&](Canvas& c) { drawing.draw(c, true); });
        ASSERT_EQ(inch.size(), mm.size()) << drawing.name;
        for (qsizetype i = 0; i < inch.size(); ++i) {
            if (inch[i] == mm[i]) continue;
            const auto in = inches.match(inch[i]);
            const auto metric = millimetres.match(mm[i]);
            ASSERT_TRUE(in.hasMatch() && metric.hasMatch())
                << drawing.name << ": " << inch[i].toStdString() << " / " << mm[i].toStdString();
            const double rounding =
                std::max(25.4 * HalfUnitOfLastDigit(in.captured(1)), HalfUnitOfLastDigit(metric.captured(1)));
            EXPECT_NEAR(metric.captured(1).toDouble(), 25.4 * in.captured(1).toDouble(), rounding + 1e-9)
                << drawing.name << ": " << inch[i].toStdString() << " shown as " << mm[i].toStdString();
            ++pairs;
        }
    }
    EXPECT_GT(pairs, 60);
}

// A dark pixel of an outline picture.
struct Ink {
    QPoint at;
    QRgb colour;
};

// The dark pixels of an outline picture, scattered through it, so that a
// few of them already tell whether the picture stands somewhere.
std::vector<Ink> InkOf(const QImage& picture) {
    std::vector<Ink> ink;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qGray(picture.pixel(x, y)) < 128) ink.push_back({{x, y}, picture.pixel(x, y)});
    std::vector<Ink> scattered;
    constexpr std::size_t kStride = 97;
    for (std::size_t start = 0; start < kStride; ++start)
        for (std::size_t i = start; i < ink.size(); i += kStride) scattered.push_back(ink[i]);
    return scattered;
}

// Where the outline picture stands, unscaled, in the drawing: the place
// where nearly all of its dark pixels are found; none if nowhere.
std::optional<QPoint> PlaceOf(const QImage& drawing, QSize picture, const std::vector<Ink>& ink) {
    // Read straight from the pixel rows: the search looks at every place.
    const auto* page = reinterpret_cast<const QRgb*>(drawing.constBits());
    const qsizetype row = drawing.bytesPerLine() / sizeof(QRgb);
    const auto misses = [&](QPoint at, std::size_t count, std::size_t most) {
        std::size_t missed = 0;
        for (std::size_t i = 0; i < count && missed <= most; ++i) {
            const QPoint p = at + ink[i].at;
            if (page[p.y() * row + p.x()] != ink[i].colour) ++missed;
        }
        return missed;
    };
    for (int y = 0; y + picture.height() <= drawing.height(); ++y)
        for (int x = 0; x + picture.width() <= drawing.width(); ++x)
            if (misses({x, y}, std::min<std::size_t>(ink.size(), 32), 8) <= 8 &&
                misses({x, y}, ink.size(), ink.size() / 10) <= ink.size() / 10)
                return QPoint(x, y);
    return std::nullopt;
}

// No dimension or note text is written over an outline: every dark pixel
// of the outline pictures in a drawing stays out of the box of every word,
// in either unit.
TEST(DrawingTextsTest, NoTextCoversAnOutline) {
    std::vector<std::pair<QSize, std::vector<Ink>>> pictures;
    for (int i = 0; i < DrgImageCount; ++i) {
        const QImage picture = DrawingPictures::Picture(static_cast<DrgImage>(i)).convertToFormat(QImage::Format_RGB32);
        pictures.emplace_back(picture.size(), InkOf(picture));
    }
    std::vector<std::string> names;
    std::vector<std::function<void(Canvas&)>> draws;
    for (const DimensionedDrawing& drawing : EveryDimensionedDrawing())
        for (bool mm : {false, true}) {
            names.push_back(drawing.name + (mm ? " in mm" : " in inches"));
            draws.push_back([draw = drawing.draw, mm](Canvas& c) { draw(c, mm); });
        }
    const auto words = testing::DrawnWordsOfEach(draws);
    for (std::size_t d = 0; d < draws.size(); ++d) {
        QImage image(617, 461, QImage::Format_RGB32);
        {
            Canvas canvas(image);
            draws[d](canvas);
        }
        int found = 0;
        for (const auto& [picture, ink] : pictures) {
            const std::optional<QPoint> at = PlaceOf(image, picture, ink);
            if (!at) continue;
            ++found;
            for (const testing::PlacedWord& word : words[d]) {
                const QRectF box = word.box.adjusted(1, 1, -1, -1);
                const auto covered = std::count_if(ink.begin(), ink.end(), [&](const Ink& p) {
                    return box.contains(QPointF(*at + p.at) + QPointF(0.5, 0.5));
                });
                EXPECT_EQ(covered, 0) << names[d] << ": \"" << word.text.toStdString() << "\" covers its outline";
            }
        }
        EXPECT_GT(found, 0) << names[d] << ": no outline found";
    }
}

}  // namespace
}  // namespace zorvik
