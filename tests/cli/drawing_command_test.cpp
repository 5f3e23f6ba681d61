#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "catalogue.h"
#include "shared_state.h"
#include "dimension_drawings.h"
#include "support/select_process.h"

namespace zorvik {
namespace {

using testing::SelectOutcome;

// Runs zorvik-select drawing with these options.
SelectOutcome Select(const QStringList& args) {
    std::vector<std::string> words{"drawing"};
    for (const QString& a : args) words.push_back(a.toStdString());
    return testing::RunSelect(words);
}

QImage InProcess(int pumpNo, bool mm, int option = -1, const QString& title = QString()) {
    InitialiseSharedState();
    SelectPump(pumpNo);
    Shared.DisplayMode = mm ? DisplayDrawingMm : DisplayDrawingInches;
    QImage image(617, 461, QImage::Format_RGB32);
    {
        Canvas canvas(image);
        if (option < 0)
            DrawModelDrawing(canvas);
        else
            DrawOptionDrawing(canvas, option, title, QString(), mm);
    }
    InitialiseSharedState();
    return image;
}

// The command line writes exactly the picture the graph window shows.
TEST(DrawingCommandTest, WritesTheWindowsPicture) {
    QTemporaryDir dir;
    const QString model = dir.filePath("rbw2.png");
    ASSERT_EQ(Select({"--model", "8", "--units", "in", "--out", model}).status, 0);
    EXPECT_EQ(QImage(model).convertToFormat(QImage::Format_RGB32), InProcess(8, false));

    const QString option = dir.filePath("receiver.PNG");
    ASSERT_EQ(Select({"--model", "1", "--option", "6", "--title", "61301", "--units", "mm", "--out", option}).status,
              0);
    EXPECT_EQ(QImage(option).convertToFormat(QImage::Format_RGB32), InProcess(1, true, 6, "61301"));
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
