#include <gtest/gtest.h>

#include <QComboBox>

#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <functional>

#include "printing.h"
#include "gases.h"
#include "selection_window_fixture.h"
#include "support/failing_printer.h"
#include "support/modal_dialog.h"
#include "support/printed_pdf.h"
#include "support/shown_figures.h"
#include "language.h"

namespace zorvik {
namespace {

using testing::NoticeKind;
using testing::PdfWord;

const char kNoAmplifierToPrint[] = "No air pressure amplifier selected";
const char kContact[] = "Please contact Zorvik Pneumatics Ltd. if you require assistance.";
const char kTelFax[] = "Tel: +44 (0)1632 960 210 Fax: +44 (0)1632 960 211";

class SelectionReportTest : public testing::SelectionWindowTest {
protected:
    QString Pdf() const { return dir.filePath(QStringLiteral("list.pdf")); }

    // Prints the list as the window stands to Pdf().
    void Print() {
        const auto printer = MakePdfPrinter(Pdf());
        EXPECT_TRUE(form->PrintList(*printer));
        pageWidth = printer->width();
        resolution = printer->resolution();
    }
    // The printed lines, blanks run together.
    QStringList PrintedLines() {
        QStringList lines = testing::PdfText(Pdf()).split(QLatin1Char('\n'));
        for (QString& line : lines) line = line.simplified();
        return lines;
    }
    double Points(int pixels) const { return pixels * 72.0 / resolution; }

    void PressPrint() { QTest::mouseClick(Find<QPushButton>("PrintBitBtn"), Qt::LeftButton); }

    // A row as it should print: its five cells after the first tab, without
    // the model number.
    static QString PrintedRow(const QString& row) {
        return row.split(QLatin1Char('\t')).mid(1, 5).join(QLatin1Char(' ')).simplified();
    }

    QTemporaryDir dir;
    int pageWidth = 0;
    int resolution = 0;
};

// The words of one printed line, found by a word on it.
std::vector<PdfWord> LineOf(const std::vector<PdfWord>& words, const QString& word) {
    const auto at = std::find_if(words.begin(), words.end(), [&](const PdfWord& w) { return w.text == word; });
    EXPECT_NE(at, words.end()) << word.toStdString();
    if (at == words.end()) return {};
    std::vector<PdfWord> line;
    for (const PdfWord& w : words)
        if (std::abs(w.y - at->y) < 0.5) line.push_back(w);
    return line;
}

TEST_F(SelectionReportTest, PrintAsksForASelectedRow) {
    const std::pair<const char*, std::function<void(SelectionReportTest&)>> cases[] = {
        {"instructions", [](SelectionReportTest&) {}},
        {"No selections",
         [](SelectionReportTest& t) {
             t.Retype("FlowrateReqdScfmEdit", "5000");
             t.ListSelections();
         }},
        {"results, selection cleared",
         [](SelectionReportTest& t) {
             t.ListSelections();
             t.List()->SelectRow(-1);
         }},
    };
    int beeps = 0;
    for (const auto& [what, prepare] : cases) {
        SCOPED_TRACE(what);
        Reopen();
        prepare(*this);
        notices.Expect(NoticeKind::Warning, kNoAmplifierToPrint);
        PressPrint();
        EXPECT_TRUE(notices.AllMet());
        EXPECT_EQ(notices.Beeps(), ++beeps);
    }
}

// Both applications in both unit systems: the conditions as typed with their
// unit words, the headings and unit row of the application, every row of
// the list (whichever is selected) and the office's contact lines.
TEST_F(SelectionReportTest, PrintoutHoldsConditionsAndEveryRow) {
    struct Case {
        const char* what;
        std::function<void(SelectionReportTest&)> prepare;
        QStringList lines;
    };
    const QString flowType = QStringLiteral("Application type : Constant pressure source feeding continous process");
    const QString fillType = QStringLiteral("Application type : Constant pressure source charging vessel or cylinder");
    const QString flowHeadings = QStringLiteral("Model No. Flow rate Air Used Cycles / min");
    const QString fillHeadings = QStringLiteral("Model No. Fill time Air Used Cycles / min Total Air Used");
    const Case cases[] = {
        {"flow, imperial",
         [](SelectionReportTest& t) { t.Retype("pOutletPsiEdit", "250.50"); },
         {flowType, "Air Drive 100 psig", "Air Inlet 100 psig Air outlet 250.50 psig",
          "Air available 100 scfm Flow required 2.00 scfm", flowHeadings, "scfm scfm"}},
        {"flow, air and flow ignored",
         [](SelectionReportTest& t) {
             t.Click("disableAirQtyLimitCheckBox");
             t.Click("disableFlowrateLimitCheckBox");
         },
         {flowType, "Air available: not limited Flow required: any (the window ignores it)", flowHeadings,
          "scfm scfm"}},
        {"flow, metric",
         [](SelectionReportTest& t) { t.Click("metricImperialUnitsBitBtn"); },
         {flowType, "Air Drive 6.9 barg", "Air Inlet 6.9 barg Air outlet 13.8 barg",
          "Air available 2831.7 nl/min Flow required 56.6 nl/min", flowHeadings, "nl/min n.m3"}},
        {"fill, imperial",
         [](SelectionReportTest& t) { t.ChooseFill(); },
         {fillType, "Air Drive 100 psig", "Air Inlet 100 psig Initial outlet 100 psig",
          "Air available 100 scfm Final outlet 1000 psig", "Vessel capacity 1.00 ft.3", fillHeadings,
          "minutes scfm (average) (average) scfm"}},
        {"fill, metric",
         [](SelectionReportTest& t) {
             t.ChooseFill();
             t.Click("metricImperialUnitsBitBtn");
         },
         {fillType, "Air Drive 6.9 barg", "Air Inlet 6.9 barg Initial outlet 6.9 barg",
          "Air available 2831.7 nl/min Final outlet 68.9 barg", "Vessel capacity 28.3 litres", fillHeadings,
          "minutes n.m3 (average) (average) n.m3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reopen();
        c.prepare(*this);
        ListSelections();
        ASSERT_GE(List()->count(), 3);
        List()->SelectRow(2);
        Print();

        const QString text = testing::PdfText(Pdf());
        EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "one page";
        EXPECT_EQ(testing::PdfTitle(Pdf()), "Zorvik air amplifiers");
        const QStringList lines = PrintedLines();
        QStringList expected = {"Zorvik Pneumatics Ltd.",
                                "Air Amplifier Selection choices " + texts::ShortDate(texts::DesktopTranslator()),
                                "Gas to be boosted : Air", "Inlet conditions Outlet conditions"};
        for (const QString& line : c.lines) expected += testing::Shown(line);
        expected += {"Air used figures listed above indicate the drive air volume required",
                     "Add outlet air quantity to obtain total input required.", kContact, kTelFax};
        for (const QString& line : expected) EXPECT_TRUE(lines.contains(line)) << line.toStdString();

        // Every row in the list's order, each on its own line, without its
        // model number.
        qsizetype previous = lines.indexOf(c.lines.last());
        for (const QString& row : List()->Rows()) {
            const qsizetype at = lines.indexOf(PrintedRow(row), previous + 1);
            EXPECT_GT(at, previous) << PrintedRow(row).toStdString();
            previous = std::max(previous, at);
        }
    }
}

// Positions in printer pixels: margin x0 = W div 16, result columns at x0
// plus 0, 4, 7, 10 and 13 times W div 20, conditions at x0 + trunc(W x f),
// the date at (W div 8) x 7, W being the page width.
TEST_F(SelectionReportTest, TextsStandAtTheirPlaces) {
    for (bool metric : {false, true}) {
        SCOPED_TRACE(metric ? "metric" : "imperial");
        Reopen();
        ChooseFill();
        if (metric) Click("metricImperialUnitsBitBtn");
        ListSelections();
        Print();
        const std::vector<PdfWord> words = testing::PdfWords(Pdf());
        // The company name opens the page at the margin x0; the page's
        // coordinates start at the printer's own margin, left of it.
        ASSERT_FALSE(words.empty());
        const double x0 = words.front().x;
        const double left = x0 - Points(pageWidth / 16);
        const auto expectAt = [](const std::vector<PdfWord>& line, const std::vector<std::pair<QString, double>>& at) {
            ASSERT_EQ(line.size(), at.size());
            for (std::size_t i = 0; i < at.size(); ++i) {
                EXPECT_EQ(line[i].text, at[i].first);
                if (at[i].second >= 0) {
                    EXPECT_NEAR(line[i].x, at[i].second, 0.3) << at[i].first.toStdString();
                }
            }
        };
        const auto column = [&](int twentieths) { return x0 + Points(twentieths * (pageWidth / 20)); };
        const auto fraction = [&](double f) { return x0 + Points(static_cast<int>(pageWidth * f)); };
        const QString air = metric ? QStringLiteral("n.m3") : QStringLiteral("scfm");
        const QString pressure = metric ? QStringLiteral("barg") : QStringLiteral("psig");
        constexpr double next = -1;  // a later word of the same text

        expectAt(LineOf(words, "minutes"), {{"minutes", column(4)},
                                            {air, column(7)},
                                            {"(average)", next},
                                            {"(average)", column(10)},
                                            {air, column(13)}});
        expectAt(LineOf(words, "Initial"), {{"Air", x0},
                                            {"Inlet", next},
                                            {Find<QLineEdit>("pSupplyPsiEdit")->text(), fraction(0.175)},
                                            {pressure, fraction(0.25)},
                                            {"Initial", fraction(0.375)},
                                            {"outlet", next},
                                            {Find<QLineEdit>("OutStartPsiEdit")->text(), fraction(0.55)},
                                            {pressure, fraction(0.625)}});
        expectAt(LineOf(words, "Vessel"), {{"Vessel", fraction(0.375)},
                                           {"capacity", next},
                                           {Find<QLineEdit>("OutCapacityFt3Edit")->text(), fraction(0.55)},
                                           {metric ? "litres" : "ft.3", fraction(0.625)}});
        const std::vector<PdfWord> title = LineOf(words, "Selection");
        ASSERT_GT(title.size(), 4u);
        EXPECT_EQ(title[3].text, "choices");
        EXPECT_NEAR(title[0].x, x0, 0.3);
        EXPECT_NEAR(title[4].x, left + Points(pageWidth / 8 * 7), 0.3) << "date";

        // Lines fall on the pitch L: the heading row four lines under the
        // inlet line, one line per result row, then a blank line.
        const double pitch = LineOf(words, "Gas")[0].y - LineOf(words, "Application")[0].y;
        const double inlet = LineOf(words, "Initial")[0].y;
        EXPECT_NEAR(LineOf(words, "Final")[0].y - inlet, pitch, 0.1);
        EXPECT_NEAR(LineOf(words, "Fill")[0].y - inlet, 4 * pitch, 0.1);
        EXPECT_NEAR(LineOf(words, "listed")[0].y - LineOf(words, "minutes")[0].y, (List()->count() + 2) * pitch, 0.1);
    }
}

// After "No selections" the page still shows the conditions, with one empty
// result line where the row stands.
TEST_F(SelectionReportTest, NoSelectionsPrintsOneEmptyResultLine) {
    Retype("FlowrateReqdScfmEdit", "5000");
    ListSelections();
    ASSERT_EQ(List()->Rows(), QStringList{"No selections"});
    notices.Expect(NoticeKind::Warning, kNoAmplifierToPrint);
    PressPrint();
    List()->SelectRow(0);
    Print();

    const QStringList lines = PrintedLines();
    EXPECT_TRUE(lines.contains("Air Inlet 100 psig Air outlet 200 psig"));
    EXPECT_FALSE(lines.join(QLatin1Char('\n')).contains("No selections"));
    const qsizetype units = lines.indexOf(QStringLiteral("scfm scfm"));
    ASSERT_GE(units, 0);
    EXPECT_EQ(lines.mid(units + 1, 3),
              QStringList({"", "", "Air used figures listed above indicate the drive air volume required"}));
    const std::vector<PdfWord> words = testing::PdfWords(Pdf());
    const double pitch = LineOf(words, "Gas")[0].y - LineOf(words, "Application")[0].y;
    EXPECT_NEAR(LineOf(words, "listed")[0].y - LineOf(words, "Model")[0].y, 4 * pitch, 0.1);
}

// The page names the gas with its temperature as typed and ends with what
// the gas calls for.
TEST_F(SelectionReportTest, NamesTheGasAndWhatItCallsFor) {
    Find<QComboBox>("GasComboBox")->setCurrentIndex(2);  // oxygen
    Retype("GasTempEdit", "77");
    ListSelections();
    List()->SelectRow(0);
    Print();
    const QString text = testing::PdfText(Pdf()).simplified();
    EXPECT_TRUE(text.contains(QString::fromUtf8("Gas to be boosted : Oxygen at 77 \u00B0F"))) << text.toStdString();
    const std::string_view note = SafetyNote(Gas::Oxygen);
    EXPECT_TRUE(text.contains(QString::fromUtf8(note.data(), 30))) << text.toStdString();
}

// The page names the office chosen in the window's own session.
TEST_F(SelectionReportTest, NamesTheSessionsOffice) {
    session.OfficeIndex = 0;
    const std::string company = session.Office().Field[1];
    ASSERT_NE(company, "Zorvik Pneumatics Ltd.");
    ListSelections();
    Print();
    const QStringList lines = PrintedLines();
    EXPECT_EQ(lines.value(0), QString::fromStdString(company));
    EXPECT_TRUE(lines.contains(QString::fromStdString("Please contact " + company + " if you require assistance.")));
    EXPECT_FALSE(lines.contains(QString::fromLatin1(kContact)));
}

TEST_F(SelectionReportTest, ALongFigurePushesItsUnitWordOn) {
    ChooseFill();
    Click("metricImperialUnitsBitBtn");
    Retype("OutCapacityFt3Edit", "123456.75");
    Retype("pAirDrivePsiEdit", "6.89476");
    Print();
    const std::vector<PdfWord> words = testing::PdfWords(Pdf());
    for (const char* caption : {"Vessel", "Drive"}) {
        const std::vector<PdfWord> line = LineOf(words, QString::fromLatin1(caption));
        ASSERT_EQ(line.size(), 4u) << caption;
        EXPECT_GT(line[3].x, line[2].right + 1) << caption;
    }
    EXPECT_EQ(LineOf(words, "Vessel")[2].text, testing::Shown("123456.75"));
}

// With a row selected the button asks the print dialog; cancelled, it
// prints nothing and says nothing.
TEST_F(SelectionReportTest, CancelledPrintDialogPrintsNothing) {
    ListSelections();
    bool asked = false;
    const testing::ModalDialog printDialog([&](QWidget* dialog) {
        asked = qobject_cast<QPrintDialog*>(dialog) != nullptr;
        static_cast<QDialog*>(dialog)->reject();
    });
    PressPrint();
    EXPECT_TRUE(asked);
    EXPECT_EQ(notices.Beeps(), 0);
}

TEST_F(SelectionReportTest, APrinterThatCannotStartIsReported) {
    ListSelections();
    notices.Expect(NoticeKind::Error, "The list could not be printed: the printer could not be started.");
    const auto printer = MakePdfPrinter(dir.filePath(QStringLiteral("no/such/folder/list.pdf")));
    EXPECT_FALSE(form->PrintList(*printer));
    EXPECT_EQ(notices.Beeps(), 1);
}

TEST_F(SelectionReportTest, APrinterThatCannotFinishIsReported) {
    ListSelections();
    notices.Expect(NoticeKind::Error, "The list could not be printed: the job could not be handed to the printer.");
    testing::FailingPrinter printer;
    EXPECT_FALSE(form->PrintList(printer));
    EXPECT_EQ(notices.Beeps(), 1);
}

}  // namespace
}  // namespace zorvik
