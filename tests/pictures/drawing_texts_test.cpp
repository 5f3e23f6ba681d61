#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "catalogue.h"
#include "dimension_drawings.h"
#include "dimension_primitives.h"
#include "picture_file.h"

namespace zorvik {
namespace {

// The texts of a drawing in the order they are drawn, read back from the
// SVG file the command line would write.
QStringList DrawnTexts(const std::function<void(Canvas&)>& draw) {
    QTemporaryDir dir;
    const QString file = dir.filePath("drawing.svg");
    QString error;
    EXPECT_TRUE(DrawPictureFile(file, 617, 461, draw, error)) << error.toStdString();
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

}  // namespace
}  // namespace zorvik
