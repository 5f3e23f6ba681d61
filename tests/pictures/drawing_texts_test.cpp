#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <functional>

#include "catalogue.h"
#include "dimension_drawings.h"
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

// Every drawing with dimensions, in inches; with `mm` set, in millimetres.
std::vector<DrawingView> EveryDimensionedDrawing() {
    std::vector<DrawingView> drawings;
    for (int model = 1; model <= PumpCount; ++model) drawings.push_back({model, false, 0, {}});
    for (const auto& [model, option] : {std::pair{1, 6}, std::pair{4, 14}})
        drawings.push_back({model, false, option, QStringLiteral("title")});
    return drawings;
}

// A dimension writes either its inch text or its millimetre text in the
// same place in the drawing, so the two drawings of one outline differ only
// in those texts: each pair must name the same length, to within 2 %.
TEST(DrawingTextsTest, EveryMillimetreTextMatchesItsInchText) {
    static const QRegularExpression inches(QStringLiteral(R"(^(\d+\.\d+)\")"));
    static const QRegularExpression millimetres(QStringLiteral(R"(^(\d+(\.\d+)?) mm)"));
    int pairs = 0;
    for (const DrawingView& inchView : EveryDimensionedDrawing()) {
        DrawingView mmView = inchView;
        mmView.mm = true;
        const std::string name =
            inchView.option ? "option " + std::to_string(inchView.option) : "model " + std::to_string(inchView.model);
        const QStringList inch = DrawnTexts([&](Canvas& c) { DrawDrawing(c, inchView); });
        const QStringList mm = DrawnTexts([&](Canvas& c) { DrawDrawing(c, mmView); });
        ASSERT_EQ(inch.size(), mm.size()) << name;
        for (qsizetype i = 0; i < inch.size(); ++i) {
            if (inch[i] == mm[i]) continue;
            const auto in = inches.match(inch[i]);
            const auto metric = millimetres.match(mm[i]);
            ASSERT_TRUE(in.hasMatch() && metric.hasMatch())
                << name << ": " << inch[i].toStdString() << " / " << mm[i].toStdString();
            const double expected = in.captured(1).toDouble() * 25.4;
            EXPECT_NEAR(metric.captured(1).toDouble(), expected, 0.02 * expected)
                << name << ": " << inch[i].toStdString() << " shown as " << mm[i].toStdString();
            ++pairs;
        }
    }
    EXPECT_GT(pairs, 60);
}

}  // namespace
}  // namespace zorvik
