// zorvik-select's pictures at any resolution: PNGs at a scale, SVG and PDF
// as vectors with the outline art among them, and the data sheet the graph
// window prints. A successful command writes nothing to stderr.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>

#include "chart_view.h"
#include "performance_chart.h"
#include "dimension_drawings.h"
#include "model_chart_page.h"
#include "data_sheet_print.h"
#include "printing.h"
#include "session.h"
#include "support/printed_pdf.h"
#include "support/select_process.h"

namespace zorvik {
namespace {

using testing::SelectOutcome;

// Run as from a script: no session runtime folder.
SelectOutcome Select(const QStringList& args) {
    std::vector<std::string> words;
    for (const QString& a : args) words.push_back(a.toStdString());
    return testing::RunSelect(words, {}, {{"XDG_RUNTIME_DIR", std::nullopt}});
}

const QStringList kChart = {"chart", "--model", "8", "--units", "bar", "--drive", "120"};
const QStringList kDrawing = {"drawing", "--model", "12", "--units", "mm"};
const QStringList kOptionDrawing = {"drawing", "--model", "4", "--option", "14", "--title", "61303", "--units", "in"};

// At scale N every picture pixel is N x N device pixels: the frame of the
// picture is N pixels wide on each side.
TEST(PictureFilesTest, PngsComeAtTheScaleAsked) {
    QTemporaryDir dir;
    const struct {
        QStringList command;
        int scale;
    } kCases[] = {{kChart, 1}, {kChart, 2}, {kDrawing, 3}, {kOptionDrawing, 4}};
    for (const auto& k : kCases) {
        SCOPED_TRACE(k.command.join(' ').toStdString() + " at " + std::to_string(k.scale));
        const QString png = dir.filePath(QStringLiteral("picture.png"));
        const SelectOutcome run = Select(k.command + QStringList{"--scale", QString::number(k.scale), "--out", png});
        ASSERT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        const QImage image(png);
        ASSERT_EQ(image.size(), QSize(617, 461) * k.scale);
        const int middle = image.height() / 2;
        for (int x = 0; x < k.scale; ++x) EXPECT_EQ(QColor(image.pixel(x, middle)), Qt::black) << x;
        EXPECT_NE(QColor(image.pixel(k.scale, middle)), Qt::black);
    }
}

TEST(PictureFilesTest, SvgAndPdfAreVectorsThroughout) {
    QTemporaryDir dir;
    const struct {
        QStringList command;
        int paths;  // the outline art's at least
    } kCases[] = {{kChart, 0}, {kDrawing, 20}, {kOptionDrawing, 20}};
    for (const auto& [command, paths] : kCases) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const QString svg = dir.filePath(QStringLiteral("picture.svg"));
        const QString pdf = dir.filePath(QStringLiteral("picture.pdf"));
        for (const QString& file : {svg, pdf}) {
            const SelectOutcome run = Select(command + QStringList{"--out", file});
            ASSERT_EQ(run.status, 0);
            EXPECT_EQ(run.err, "");
        }
        QFile svgFile(svg);
        ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
        const QByteArray svgText = svgFile.readAll();
        EXPECT_FALSE(svgText.contains("<image"));
        EXPECT_GE(svgText.count("<path"), paths);
        const QByteArray images = testing::RunPdfTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        EXPECT_EQ(images.count('\n'), 2) << images.toStdString();  // the list's two heading lines only
    }
}

// The sheet is the graph window's data sheet, printed by the same code from
// the same settings: page for page the same picture, naming the office the
// window names until one is chosen, or the one asked for.
TEST(PictureFilesTest, SheetIsTheGraphWindowsDataSheet) {
    QTemporaryDir dir;
    const ChartView chart10 = PrepareGraphChart(10, 100, 1.0, false).view;
    const ChartView chart8 = PrepareGraphChart(8, 90, 1.5, true).view;
    const DrawingView drawing12{12, true, 0, {}};
    const DrawingView drawing1{1, false, 0, {}};
    const int windowsOffice = Session().OfficeIndex;
    const struct {
        QStringList args;
        PictureDrawing picture;
        int office;  // entry of the office table
    } kCases[] = {
        {{"--model", "10", "--show", "chart", "--drive", "100"},
         [&](Canvas& c) { DrawChart(c, chart10); },
         windowsOffice},
        {{"--model", "8", "--show", "chart", "--units", "bar", "--inlet-scale", "1.5"},
         [&](Canvas& c) { DrawChart(c, chart8); },
         windowsOffice},
        {{"--model", "12", "--show", "drawing", "--units", "mm", "--office", "5"},
         [&](Canvas& c) { DrawDrawing(c, drawing12); },
         4},
        {{"--model", "1", "--show", "drawing", "--office", "1"}, [&](Canvas& c) { DrawDrawing(c, drawing1); }, 0},
    };
    for (const auto& k : kCases) {
        SCOPED_TRACE(k.args.join(' ').toStdString());
        const QString written = dir.filePath(QStringLiteral("written.pdf"));
        const SelectOutcome run = Select(QStringList{"sheet"} + k.args + QStringList{"--out", written});
        ASSERT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");

        const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
        // Without --language the page speaks English with ".", on any desktop.
        const auto printer = MakePdfPrinter(printed);
        PrintPage sheet(*printer);
        ASSERT_EQ(PrintDataSheet(sheet, k.picture, InitOffices()[k.office]), PrintResult::Printed);

        const auto page = [&](const QString& pdf) {
            const QString png = dir.filePath(QStringLiteral("page"));
            testing::RunPdfTool(QStringLiteral("pdftoppm"), {"-png", "-r", "60", "-singlefile", pdf, png});
            return QImage(png + QStringLiteral(".png"));
        };
        const QImage writtenPage = page(written);
        ASSERT_FALSE(writtenPage.isNull());
        EXPECT_EQ(writtenPage, page(printed));
        EXPECT_EQ(testing::PdfText(written), testing::PdfText(printed));
    }
}

TEST(PictureFilesTest, RefusesBadRequests) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("x.png"));
    const QString pdf = dir.filePath(QStringLiteral("x.pdf"));
    const struct {
        QStringList args;
        const char* message;
    } kCases[] = {
        {kChart + QStringList{"--scale", "5", "--out", png}, "--scale must be a whole number from 1 to 4"},
        {kDrawing + QStringList{"--scale", "0", "--out", png}, "--scale must be a whole number from 1 to 4"},
        {kChart + QStringList{"--scale", "two", "--out", png}, "--scale must be a whole number from 1 to 4"},
        {{"chart", "--model", "8", "--units", "kPa", "--out", png}, "--units must be psi or bar"},
        {{"chart", "--model", "8", "--inlet-scale", "0", "--out", png}, "--inlet-scale must be a number above 0"},
        {{"chart", "--model", "8", "--inlet-scale", "nan", "--out", png}, "--inlet-scale must be a number above 0"},
        {{"chart", "--model", "16", "--out", png}, "--model must be a whole number from 1 to 15"},
        {{"chart", "--model", "8"}, "chart needs --model and --out"},
        {{"chart", "--model", "8", "--out", dir.filePath(QStringLiteral("x.gif"))},
         "--out must name a .png, .svg or .pdf file"},
        {{"chart", "--model", "8", "--drive", "x", "--out", png}, "--drive: x is not a valid value"},
        {{"sheet", "--model", "3", "--out", pdf}, "sheet needs --model, --show and --out"},
        {{"sheet", "--model", "3", "--show", "graph", "--out", pdf}, "--show must be chart or drawing"},
        {{"sheet", "--model", "3", "--show", "chart", "--units", "mm", "--out", pdf},
         "--units of a chart must be psi or bar"},
        {{"sheet", "--model", "3", "--show", "drawing", "--units", "bar", "--out", pdf},
         "--units of a drawing must be in or mm"},
        {{"sheet", "--model", "3", "--show", "drawing", "--drive", "80", "--out", pdf},
         "--drive and --inlet-scale go with --show chart"},
        {{"sheet", "--model", "3", "--show", "chart", "--out", png}, "--out must name a .pdf file"},
        {{"sheet", "--model", "3", "--show", "chart", "--office", "11", "--out", pdf},
         "--office must be a whole number from 1 to 10"},
        {{"sheet", "--model", "3", "--show", "chart", "--drive", "30", "--out", pdf},
         "--drive: 30 psig is below the 40 psig a chart starts at"},
        {{"sheet", "--model", "3", "--show", "chart", "--out", dir.filePath("no/such/folder/x.pdf")}, "cannot write"},
        {{"saturation", "--units", "K", "--out", png}, "--units must be F or C"},
        {{"model-chart", "--units", "mm", "--out", pdf}, "--units must be psi or bar"},
        {{"model-chart", "--out", png}, "--out must name a .pdf file"},
        {{"model-chart", "--office", "0", "--out", pdf}, "--office must be a whole number from 1 to 10"},
        {{"saturation", "--units", "C"}, "saturation needs --out"},
        {{"saturation", "--out", dir.filePath(QStringLiteral("x.jpg"))}, "--out must name a .png, .svg or .pdf file"},
    };
    for (const auto& k : kCases) {
        const SelectOutcome run = Select(k.args);
        EXPECT_EQ(run.status, 2) << k.args.join(' ').toStdString();
        EXPECT_NE(run.err.find(k.message), std::string::npos) << run.err;
    }
    EXPECT_FALSE(QFile::exists(png));
    EXPECT_FALSE(QFile::exists(pdf));
}

// The saturated-air chart in the reader's words and numbers: English with
// "." unless --language names another, in either unit system.
TEST(PictureFilesTest, SaturationChartInTheReadersLanguage) {
    const QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("saturation.pdf"));
    const struct {
        QStringList options;
        std::vector<const char*> words;
        // clang-format off
    } cases[] = {
        {{}, {"Saturation lines", "100 psig", "Air temperature, \u00b0F", "\u22124"}},
        {{"--units", "C"}, {"Saturation lines", "7 barg", "Air temperature, \u00b0C", "\u221240"}},
        {{"--units", "C", "--language", "de"}, {"S\u00e4ttigungslinien", "7 barg", "Lufttemperatur, \u00b0C"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        const SelectOutcome run = Select(QStringList{"saturation"} + c.options + QStringList{"--out", pdf});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const QString text = testing::PdfText(pdf).simplified();
        for (const char* word : c.words)
            EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word << ": " << text.toStdString();
    }
    const QString png = folder.filePath(QStringLiteral("saturation.png"));
    ASSERT_EQ(Select({"saturation", "--scale", "2", "--out", png}).status, 0);
    EXPECT_EQ(QImage(png).size(), QSize(1008, 1348));
}

// The command line's model selection chart is the page the window prints
// without a language of its own, row for row, in either unit system.
TEST(PictureFilesTest, ModelChartIsTheWindowsPage) {
    const QTemporaryDir folder;
    const QString written = folder.filePath(QStringLiteral("written.pdf"));
    const QString printed = folder.filePath(QStringLiteral("printed.pdf"));
    for (const bool metric : {false, true}) {
        const SelectOutcome run =
            Select({"model-chart", "--units", metric ? "bar" : "psi", "--office", "2", "--out", written});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const auto printer = MakePdfPrinter(printed);
        PrintPage page(*printer);
        ASSERT_EQ(PrintModelSelectionChart(page, metric, ModelChartListFont(), InitOffices()[1], nullptr),
                  PrintResult::Printed);
        EXPECT_EQ(testing::PdfText(written), testing::PdfText(printed)) << metric;
        EXPECT_TRUE(testing::PdfText(written).contains(metric ? "(barg)" : "(psig)")) << metric;
    }
}

// The comparison's page names the office asked for, as every printout does,
// or the program's own until one is chosen.
TEST(PictureFilesTest, ComparisonPageNamesTheOffice) {
    const QTemporaryDir folder;  // the same test runs at once on other desktops
    const QString pdf = folder.filePath(QStringLiteral("compare_office.pdf"));
    const QStringList flow = {"compare", "--drive",  "100", "--air",  "100", "--inlet",
                              "100",     "--outlet", "200", "--flow", "2",   "--out"};
    for (const auto& [office, index] : {std::pair<const char*, int>{nullptr, DefaultOfficeIndex}, {"1", 0}}) {
        QStringList words = flow + QStringList{pdf};
        if (office != nullptr) words << QStringLiteral("--office") << QString::fromLatin1(office);
        const SelectOutcome page = Select(words);
        EXPECT_EQ(page.status, 0) << page.err;
        const QString text = testing::PdfText(pdf).simplified();
        EXPECT_TRUE(text.contains(QString::fromStdString(InitOffices()[index].Field[1]))) << text.toStdString();
        QFile::remove(pdf);
    }
}

}  // namespace
}  // namespace zorvik
