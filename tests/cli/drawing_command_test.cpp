#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "chart_view.h"
#include "dimension_drawings.h"
#include "performance_chart.h"
#include "support/select_process.h"

namespace zorvik {
namespace {

using testing::SelectOutcome;

// Runs zorvik-select `command` with these options.
SelectOutcome Select(const QStringList& args, const char* command = "drawing") {
    std::vector<std::string> words{command};
    for (const QString& a : args) words.push_back(a.toStdString());
    return testing::RunSelect(words);
}

QImage InProcess(const PictureDrawing& draw) {
    QImage image(ChartPictureWidth, ChartPictureHeight, QImage::Format_RGB32);
    {
        Canvas canvas(image);
        draw(canvas);
    }
    return image;
}

QImage Written(const QString& png) { return QImage(png).convertToFormat(QImage::Format_RGB32); }

// The command line writes exactly the picture the graph window shows.
TEST(DrawingCommandTest, WritesTheWindowsPicture) {
    QTemporaryDir dir;
    const struct {
        QStringList args;
        DrawingView view;
        // clang-format off
    } cases[] = {
        {{"--model", "8", "--units", "in"},                                  {8, false, 0, {}}},
        {{"--model", "1", "--option", "6", "--title", "61301", "--units", "mm"}, {1, true, 6, "61301"}},
        {{"--model", "4", "--option", "3", "--title", "61310", "--units", "mm"}, {4, true, 3, "61310"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        const QString png = dir.filePath("picture.PNG");
        ASSERT_EQ(Select(c.args + QStringList{"--out", png}).status, 0) << c.args.join(' ').toStdString();
        const DrawingView view = c.view;
        EXPECT_EQ(Written(png), InProcess([view](Canvas& canvas) { DrawDrawing(canvas, view); }))
            << c.args.join(' ').toStdString();
    }
}

// The chart is the graph window's at the same settings; a drive pressure
// above the model's maximum is drawn at the maximum, and stderr says so.
TEST(ChartCommandTest, WritesTheGraphWindowsChart) {
    QTemporaryDir dir;
    const struct {
        QStringList args;
        int model;
        double drivePsi, inletScale;
        bool bar;
        std::string err;
        // clang-format off
    } cases[] = {
        {{"--model", "10"},                                             10, 90,  1,   false, ""},
        {{"--model", "8", "--units", "bar", "--inlet-scale", "1.5"},   8,  90,  1.5, true,  ""},
        {{"--model", "15", "--drive", "140"},                           15, 140, 1,   false,
         "zorvik-select chart: --drive: 140 psig is above the 130 psig maximum of 8RBW-2; drawn at 130 psig\n"},
        {{"--model", "2", "--drive", "130", "--units", "bar"},          2,  130, 1,   true,
         "zorvik-select chart: --drive: 130 psig is above the 125 psig maximum of CRB19-3.5; drawn at 125 psig\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const QString png = dir.filePath("chart.png");
        const SelectOutcome run = Select(c.args + QStringList{"--out", png}, "chart");
        ASSERT_EQ(run.status, 0);
        EXPECT_EQ(run.err, c.err);
        const ChartView view = PrepareGraphChart(c.model, c.drivePsi, c.inletScale, c.bar).view;
        EXPECT_EQ(Written(png), InProcess([view](Canvas& canvas) { DrawChart(canvas, view); }));
    }
}

TEST(DrawingCommandTest, WritesSvgAndPdf) {
    QTemporaryDir dir;
    const QString svg = dir.filePath("8rbw.svg");
    const QString pdf = dir.filePath("8rbw.pdf");
    ASSERT_EQ(Select({"--model", "15", "--units", "mm", "--out", svg}).status, 0);
    ASSERT_EQ(Select({"--model", "15", "--units", "mm", "--out", pdf}).status, 0);
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svgText = svgFile.readAll();
    EXPECT_TRUE(svgText.contains("<svg"));
    EXPECT_TRUE(svgText.contains("740.0 mm"));
    QFile pdfFile(pdf);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.read(5) == "%PDF-");
}

TEST(DrawingCommandTest, RefusesBadRequests) {
    QTemporaryDir dir;
    const QString out = dir.filePath("x.png");
    const struct {
        QStringList args;
        const char* message;
    } cases[] = {
        {{"--model", "16", "--units", "mm", "--out", out}, "--model must be a whole number from 1 to 15"},
        {{"--model", "1", "--units", "cm", "--out", out}, "--units must be in or mm"},
        {{"--model", "1", "--units", "mm", "--out", dir.filePath("x.gif")}, "--out must name a .png, .svg or .pdf"},
        {{"--model", "1", "--units", "mm"}, "drawing needs --model, --units and --out"},
        {{"--model", "1", "--option", "6", "--units", "mm", "--out", out}, "--option and --title go together"},
        {{"--model", "1", "--option", "six", "--title", "x", "--units", "mm", "--out", out},
         "--option must be a whole number"},
        {{"--model", "1", "--units", "mm", "--out", dir.filePath("no/such/folder/x.png")}, "cannot write"},
    };
    for (const auto& k : cases) {
        const SelectOutcome run = Select(k.args);
        EXPECT_EQ(run.status, 2) << k.args.join(' ').toStdString();
        EXPECT_NE(run.err.find(k.message), std::string::npos) << run.err;
    }
    EXPECT_FALSE(QFile::exists(out));
}

}  // namespace
}  // namespace zorvik
