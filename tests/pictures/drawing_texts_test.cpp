#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <functional>

#include "catalogue.h"
#include "shared_state.h"
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

struct Drawing {
    QString name;
    std::function<void(Canvas&, bool metric)> draw;
};

std::vector<Drawing> EveryDimensionedDrawing() {
    std::vector<Drawing> drawings;
    for (int model = 1; model <= PumpCount; ++model)
        drawings.push_back({QStringLiteral("model %1").arg(model), [model](Canvas& c, bool metric) {
                                SelectPump(model);
                                Shared.DisplayMode = metric ? DisplayDrawingMm : DisplayDrawingInches;
                                DrawModelDrawing(c);
                            }});
    for (const auto& [model, option] : {std::pair{1, 6}, std::pair{4, 14}})
        drawings.push_back({QStringLiteral("option %1").arg(option), [model, option](Canvas& c, bool metric) {
                                SelectPump(model);
                                DrawOptionDrawing(c, option, QStringLiteral("title"), QString(), metric);
                            }});
    return drawings;
}

// A dimension writes either its inch text or its millimetre text in the
// same place in the drawing, so the two drawings of one outline differ only
// in those texts: each pair must name the same length, to within 2 %.
TEST(DrawingTextsTest, EveryMillimetreTextMatchesItsInchText) {
    static const QRegularExpression inches(QStringLiteral(R"(^(\d+\.\d+)\")"));
    static const QRegularExpression millimetres(QStringLiteral(R"(^(\d+(\.\d+)?) mm)"));
    int pairs = 0;
    for (const Drawing& d : EveryDimensionedDrawing()) {
        InitialiseSharedState();
        const QStringList inch = DrawnTexts([&](Canvas& c) { d.draw(c, false); });
        const QStringList mm = DrawnTexts([&](Canvas& c) { d.draw(c, true); });
        ASSERT_EQ(inch.size(), mm.size()) << d.name.toStdString();
        for (qsizetype i = 0; i < inch.size(); ++i) {
            if (inch[i] == mm[i]) continue;
            const auto in = inches.match(inch[i]);
            const auto metric = millimetres.match(mm[i]);
            ASSERT_TRUE(in.hasMatch() && metric.hasMatch())
                << d.name.toStdString() << ": " << inch[i].toStdString() << " / " << mm[i].toStdString();
            const double expected = in.captured(1).toDouble() * 25.4;
            EXPECT_NEAR(metric.captured(1).toDouble(), expected, 0.02 * expected)
                << d.name.toStdString() << ": " << inch[i].toStdString() << " shown as " << mm[i].toStdString();
            ++pairs;
        }
    }
    EXPECT_GT(pairs, 60);
}

}  // namespace
}  // namespace zorvik
