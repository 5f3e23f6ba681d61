#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "session.h"
#include "model_chart_rows.h"
#include "model_selection_chart_form.h"
#include "tab_list_box.h"
#include "printing.h"
#include "support/failing_printer.h"
#include "support/notice_recorder.h"
#include "support/printed_pdf.h"
#include "support/shown_figures.h"
#include "language.h"

namespace zorvik {
namespace {

using testing::Shown;

// The eight fields of a list row, without the blanks that line them up.
QStringList Fields(const QString& row) {
    QStringList fields = row.split(QLatin1Char('\t'));
    if (!fields.isEmpty() && fields.first().isEmpty()) fields.removeFirst();
    for (QString& f : fields) f = f.trimmed();
    return fields;
}

QStringList FixedFields(std::string_view row) {
    return QString::fromUtf8(row.data(), static_cast<qsizetype>(row.size())).split(QLatin1Char(','));
}

class ModelSelectionChartTest : public ::testing::Test {
protected:
    // The window as the program has it once it is first needed: built.
    void SetUp() override { form.EnsureBuilt(); }

    TTabListBox* List() { return form.findChild<TTabListBox*>(QStringLiteral("TabListBox1")); }
    QString LabelText(const char* name) { return form.findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    void Flip() { QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("flipUnitBitBtn")), Qt::LeftButton); }

    // Prints the chart to a PDF and returns its text, one "\f" per page.
    QString PrintedText() {
        const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
        const auto printer = MakePdfPrinter(pdf);
        EXPECT_TRUE(form.PrintChart(*printer));
        pageWidth = printer->width();
        resolution = printer->resolution();
        return testing::PdfText(pdf);
    }

    // The words of the last printout with their places.
    std::vector<testing::PdfWord> PrintedWords() {
        return testing::PdfWords(dir.filePath(QStringLiteral("chart.pdf")));
    }
    double PrinterPixelsToPoints(int pixels) const { return pixels * 72.0 / resolution; }

    int pageWidth = 0;
    int resolution = 0;

    Session session;
    TZampModelSelectionChartForm form{session, testing::TestNotices()};
    QTemporaryDir dir;
};

TEST_F(ModelSelectionChartTest, OpensInMetricWithTheFirstRowSelected) {
    EXPECT_TRUE(form.IsChartInMetric());
    ASSERT_EQ(List()->count(), ChartRowCount);
    EXPECT_EQ(List()->SelectedRow(), 0);
    EXPECT_EQ(Fields(List()->RowText(0)), QStringList({"CRB19 -2.5", "2.5:1", Shown("8.6"), Shown("22.1"), "2.5 Pa",
                                                       Shown("0.039"), Shown("8.6"), "73"}))
        << "names and ratios keep their points";
    for (const char* name : {"PsigLabel1", "PsigLabel2", "PsigLabel3"}) EXPECT_EQ(LabelText(name), "(barg)") << name;
    EXPECT_EQ(LabelText("CuInLabel"), "(litre)");
    EXPECT_EQ(LabelText("DriveUnitLabel"), "(mm)");
}

TEST_F(ModelSelectionChartTest, FlipShowsTheFixedFiguresAndFlipsBackExactly) {
    const QStringList metric = List()->Rows();
    Flip();
    EXPECT_FALSE(form.IsChartInMetric());
    EXPECT_EQ(List()->SelectedRow(), -1);
    EXPECT_EQ(LabelText("PsigLabel3"), "(psig)");
    EXPECT_EQ(LabelText("CuInLabel"), "(Cu. In.)");
    EXPECT_EQ(LabelText("DriveUnitLabel"), "(In.)");
    ASSERT_EQ(List()->count(), ChartRowCount);
    for (int i = 0; i < ChartRowCount; ++i) EXPECT_EQ(Fields(List()->RowText(i)), FixedFields(ChartRows[i])) << i + 1;

    Flip();
    EXPECT_TRUE(form.IsChartInMetric());
    EXPECT_EQ(List()->Rows(), metric);
    EXPECT_EQ(LabelText("PsigLabel1"), "(barg)");
}

TEST_F(ModelSelectionChartTest, ModelRatioAndFormulaNeverChange) {
    for (bool metric : {true, false}) {
        for (int i = 0; i < ChartRowCount; ++i) {
            const QStringList shown = Fields(List()->RowText(i));
            const QStringList fixed = FixedFields(ChartRows[i]);
            ASSERT_EQ(shown.size(), ChartFieldCount);
            for (int f : {0, 1, 4}) EXPECT_EQ(shown[f], fixed[f]) << "row " << i + 1 << " field " << f + 1;
        }
        EXPECT_EQ(Fields(List()->RowText(8))[1], "5:1 (*4:1)") << metric;
        Flip();
    }
}

// Padding with blanks makes a column's numbers end together: every field
// narrower than its column's minimum ends between that minimum and one blank
// further on.
TEST_F(ModelSelectionChartTest, NumbersEndNearOnePosition) {
    const QFontMetrics metrics(List()->font());
    const int blank = metrics.horizontalAdvance(QLatin1Char(' '));
    for (int flips = 0; flips < 2; ++flips) {
        for (int i = 0; i < ChartRowCount; ++i) {
            const QStringList padded = List()->RowText(i).split(QLatin1Char('\t')).mid(1);
            for (int f = 1; f < ChartFieldCount; ++f) {
                const int bare = metrics.horizontalAdvance(padded[f].trimmed());
                const int shown = metrics.horizontalAdvance(padded[f]);
                if (bare >= ChartFieldMinWidth[f]) {
                    EXPECT_EQ(shown, bare) << "row " << i + 1 << " field " << f + 1;
                } else {
                    EXPECT_GE(shown, ChartFieldMinWidth[f]) << "row " << i + 1 << " field " << f + 1;
                    EXPECT_LT(shown, ChartFieldMinWidth[f] + blank) << "row " << i + 1 << " field " << f + 1;
                }
            }
        }
        Flip();
    }
}

TEST_F(ModelSelectionChartTest, HeadingsStandOverTheirColumns) {
    const char* headings[] = {"ModelNoLabel",
                              "ratioLabel",
                              "MaxInletGasPressureLabel",
                              "MaxOutletGasPressureLabel",
                              "StallPressureLabel",
                              "PistonDisplacementLabel",
                              "MaxAirDriveLabel",
                              "DriveSizeLabel"};
    const QWidget* band = form.findChild<QLabel*>(QStringLiteral("BackgroundLabel"));
    const std::vector<int> stops = List()->TabStopPixels();
    const int rowLeft = List()->mapTo(&form, List()->viewport()->geometry().topLeft()).x();
    for (int i = 0; i < ChartFieldCount; ++i) {
        const QLabel* label = form.findChild<QLabel*>(QString::fromLatin1(headings[i]));
        ASSERT_NE(label, nullptr) << headings[i];
        EXPECT_NEAR(label->x(), rowLeft + stops[i], 3) << headings[i];
        EXPECT_TRUE(band->geometry().contains(label->geometry())) << headings[i];
        // The text fits its place: every word within the label, every line
        // within its height, and the label ends before the next column.
        for (const QString& word : label->text().split(QLatin1Char(' ')))
            EXPECT_LE(label->fontMetrics().horizontalAdvance(word), label->width()) << headings[i];
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << headings[i];
        if (i + 1 < ChartFieldCount) {
            EXPECT_LT(label->geometry().right(), rowLeft + stops[i + 1]) << headings[i];
        }
    }
    const std::pair<const char*, int> units[] = {
        {"PsigLabel1", 2}, {"PsigLabel2", 3}, {"CuInLabel", 5}, {"PsigLabel3", 6}, {"DriveUnitLabel", 7}};
    for (const auto& [name, column] : units)
        EXPECT_EQ(form.findChild<QLabel*>(QString::fromLatin1(name))->x(),
                  form.findChild<QLabel*>(QString::fromLatin1(headings[column]))->x())
            << name;
}

TEST_F(ModelSelectionChartTest, NothingNeedsScrolling) {
    form.show();
    QApplication::processEvents();
    EXPECT_EQ(form.size(), QSize(792, 573));
    for (QAbstractScrollArea* area :
         {static_cast<QAbstractScrollArea*>(List()),
          static_cast<QAbstractScrollArea*>(form.findChild<QPlainTextEdit*>(QStringLiteral("ModelTypesMemo"))),
          static_cast<QAbstractScrollArea*>(form.findChild<QPlainTextEdit*>(QStringLiteral("PaExplanationMemo")))}) {
        EXPECT_EQ(area->verticalScrollBar()->maximum(), 0) << area->objectName().toStdString();
        EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0) << area->objectName().toStdString();
    }
    form.close();
}

// The two explanation lines are bullet points, in a character the memo's
// font has: no currency sign left over from a symbol font.
TEST_F(ModelSelectionChartTest, ExplanationLinesShowABullet) {
    const auto* memo = form.findChild<QPlainTextEdit*>(QStringLiteral("PaExplanationMemo"));
    const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    for (const QString& line : lines) {
        EXPECT_TRUE(line.startsWith(QChar(0x2022))) << line.toStdString();
        EXPECT_FALSE(line.contains(QChar(0x00A4))) << line.toStdString();
    }
    EXPECT_TRUE(QFontMetrics(memo->font()).inFontUcs4(0x2022));
}

TEST_F(ModelSelectionChartTest, TheMemosPassTheFocusOn) {
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto* flip = form.findChild<QPushButton*>(QStringLiteral("flipUnitBitBtn"));

    List()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), flip);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), List());

    form.findChild<QPlainTextEdit*>(QStringLiteral("PaExplanationMemo"))->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), flip);
    form.close();
}

TEST_F(ModelSelectionChartTest, AMalformedRowIsReportedAndNotAdded) {
    EXPECT_FALSE(form.AddChartRow("RB -8,8:1,1250,2500,7 Pa+Ps,13.2,150"));
    EXPECT_EQ(List()->count(), ChartRowCount);
    EXPECT_TRUE(form.AddChartRow(ChartRows[0]));
    EXPECT_EQ(List()->count(), ChartRowCount + 1);
}

TEST_F(ModelSelectionChartTest, PrintoutFollowsTheUnitsOnScreen) {
    const QString metric = PrintedText();
    EXPECT_EQ(metric.count(QLatin1Char('\f')), 1);
    for (const char* text :
         {"Zorvik Pneumatics Ltd.", "Air Amplifier  Model Selection Chart", "Static Outlet", "Pressure", "Formula",
          "Displ.", "Supply", "Outlet", "Cycle", "(barg)", "(litre)", "(mm)", "Pa = Air Drive Pressure",
          "Ps = Supply Inlet Gas Pressure", "Please contact Zorvik Pneumatics Ltd. if you require assistance.",
          "Tel: +44 (0)1632 960 210    Fax: +44 (0)1632 960 211"})
        EXPECT_TRUE(metric.simplified().contains(QString::fromUtf8(text).simplified())) << text;
    EXPECT_FALSE(metric.contains(QStringLiteral("(psig)")));
    // The rows come in the chart's order, each with its figures on one line.
    const QStringList lines = metric.split(QLatin1Char('\n'));
    qsizetype previous = -1;
    for (int i = 0; i < ChartRowCount; ++i) {
        const QStringList fields = Fields(List()->RowText(i));
        const QString model = fields.first();
        qsizetype at = -1;
        for (qsizetype l = previous + 1; l < lines.size() && at < 0; ++l)
            if (lines[l].trimmed().startsWith(model + QLatin1Char(' '))) at = l;
        ASSERT_GT(at, previous) << model.toStdString();
        EXPECT_EQ(lines[at].simplified(), fields.join(QLatin1Char(' ')).simplified()) << model.toStdString();
        previous = at;
    }

    Flip();
    const QString imperial = PrintedText();
    for (const char* text : {"(psig)", "(Cu. In.)", "(In.)", "CRB19 -2.5 2.5:1 125 320 2.5 Pa 2.4 125 2.87"})
        EXPECT_TRUE(imperial.simplified().contains(QString::fromUtf8(text))) << text;
    EXPECT_FALSE(imperial.contains(QStringLiteral("(barg)")));
}

// The columns start at the margin a = W/20 plus 0, 5, 9, 13, 17, 23, 27 and 31
// units of b = W/40, W being the page width.
TEST_F(ModelSelectionChartTest, PrintedColumnsStartAtTheirPlaces) {
    EXPECT_TRUE(PrintedText().contains(texts::ShortDate(texts::DesktopTranslator())));
    const std::vector<testing::PdfWord> words = PrintedWords();
    // The company name stands at the margin; the first heading line is the
    // first line with "Model" there.
    ASSERT_FALSE(words.empty());
    const double margin = words.front().x;
    const auto heading = std::find_if(words.begin(), words.end(), [&](const testing::PdfWord& w) {
        return w.text == "Model" && std::abs(w.x - margin) < 0.3;
    });
    ASSERT_NE(heading, words.end());
    std::vector<testing::PdfWord> line;
    for (const testing::PdfWord& w : words)
        if (std::abs(w.y - heading->y) < 0.5) line.push_back(w);
    const std::vector<std::pair<QString, int>> expected = {{"Model", 0},   {"Max.", 9},    {"Max.", 13}, {"Static", 17},
                                                           {"Outlet", 17}, {"Piston", 23}, {"Max.", 27}, {"Drive", 31}};
    ASSERT_EQ(line.size(), expected.size());
    const double b = PrinterPixelsToPoints(pageWidth / 40);
    for (std::size_t i = 0; i < line.size(); ++i) {
        EXPECT_EQ(line[i].text, expected[i].first);
        if (line[i].text != "Outlet") {  // the second word of "Static Outlet"
            EXPECT_NEAR(line[i].x - heading->x, expected[i].second * b, 0.3) << i;
        }
    }
    // "Ratio" stands in column 2 on the next line; the rows start at the margin.
    const auto ratio =
        std::find_if(words.begin(), words.end(), [](const testing::PdfWord& w) { return w.text == "Ratio"; });
    ASSERT_NE(ratio, words.end());
    EXPECT_NEAR(ratio->x - heading->x, 5 * b, 0.3);
    const auto row =
        std::find_if(words.begin(), words.end(), [](const testing::PdfWord& w) { return w.text == "8RBW"; });
    ASSERT_NE(row, words.end());
    EXPECT_NEAR(row->x, heading->x, 0.3);
}

TEST_F(ModelSelectionChartTest, PrintoutNamesTheFirstOfficeForAnIndexOutsideTheTable) {
    session.OfficeIndex = 57;
    EXPECT_TRUE(PrintedText().contains(QStringLiteral("Please contact Zorvik Pneumatics Inc. if")));
}

TEST_F(ModelSelectionChartTest, APrinterThatCannotStartIsReported) {
    testing::NoticeRecorder notices;
    notices.Expect(testing::NoticeKind::Error, "The chart could not be printed: the printer could not be started.");
    const auto printer = MakePdfPrinter(dir.filePath(QStringLiteral("no/such/folder/chart.pdf")));
    EXPECT_FALSE(form.PrintChart(*printer));
    EXPECT_EQ(notices.Beeps(), 1);
}

TEST_F(ModelSelectionChartTest, APrinterThatCannotFinishIsReported) {
    testing::NoticeRecorder notices;
    notices.Expect(testing::NoticeKind::Error,
                   "The chart could not be printed: the job could not be handed to the printer.");
    testing::FailingPrinter printer;
    EXPECT_FALSE(form.PrintChart(printer));
    EXPECT_EQ(notices.Beeps(), 1);
}

}  // namespace
}  // namespace zorvik
