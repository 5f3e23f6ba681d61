// The comparison window as a user meets it: the C&ompare button of the
// selection window, the listed models at the list's conditions, another
// model added, cost settings kept between runs, the table copied and saved,
// and the page printed. ZORVIK_GRAB_DIR=<folder> also grabs the window and
// prints its page there for review.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTableWidget>
#include <QTemporaryDir>

#include "printing.h"
#include "comparison_table.h"
#include "comparison_window.h"
#include "selection_window_fixture.h"
#include "support/printed_pdf.h"
#include "support/shown_figures.h"

namespace zorvik::testing {
namespace {

class ComparisonWindowTest : public SelectionWindowTest {
public:
    void SetUp() override {
        ASSERT_TRUE(settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        SelectionWindowTest::SetUp();
    }

    ComparisonWindow* Compare() {
        Click("CompareBitBtn");
        ComparisonWindow* window = form->Comparison();
        EXPECT_NE(window, nullptr);
        return window;
    }
    QStringList TableLines(ComparisonWindow* w) { return w->TableText().split(QLatin1Char('\n')); }
    QString Row(ComparisonWindow* w, const QString& label) {
        for (const QString& line : TableLines(w))
            if (line.startsWith(label)) return line;
        return {};
    }

    QTemporaryDir settingsDir;
};

TEST_F(ComparisonWindowTest, ButtonBetweenListAndMainMenuWhileTheInputsAreValid) {
    auto* compare = Find<QPushButton>("CompareBitBtn");
    const QRect list = Find<QWidget>("ListSelectionsBitBtn")->geometry();
    const QRect mainMenu = Find<QWidget>("MainMenuBitBtn")->geometry();
    EXPECT_EQ(compare->y(), list.y());
    EXPECT_GE(compare->x(), list.right());
    EXPECT_LE(compare->geometry().right(), mainMenu.x());
    // Its mnemonic is its own.
    for (QPushButton* b : form->findChildren<QPushButton*>()) {
        if (b == compare) continue;
        EXPECT_FALSE(b->text().contains(QStringLiteral("&o"), Qt::CaseInsensitive)) << b->text().toStdString();
    }

    const struct {
        const char* flow;
        bool list;
        bool enabled;
        const char* why;
    } steps[] = {
        {"2.00", false, true, "valid inputs not listed yet"},
        {"2.00", true, true, "a list"},
        {"abc", false, false, "a field that is not a number"},
        {"0", false, false, "a duty that fails its check"},
        {"1000", false, true, "valid inputs again"},
        {"1000", true, true, "No selections: when the reasons matter most"},
    };
    for (const auto& s : steps) {
        if (Text("FlowrateReqdScfmEdit") != s.flow) Retype("FlowrateReqdScfmEdit", s.flow);
        if (s.list) ListSelections();
        EXPECT_EQ(compare->isEnabled(), s.enabled) << s.why;
    }

    Retype("FlowrateReqdScfmEdit", "2");
    ListSelections();
    QAction* menuEntry = nullptr;
    for (QAction* a : List()->actions())
        if (a->text() == QStringLiteral("C&ompare...")) menuEntry = a;
    ASSERT_NE(menuEntry, nullptr);
    menuEntry->trigger();
    ASSERT_NE(form->Comparison(), nullptr);
    EXPECT_TRUE(form->Comparison()->isVisible());
}

// An empty list says why, under the list, and compares every model.
TEST_F(ComparisonWindowTest, NoSelectionsComesWithItsReasonAndComparesEveryModel) {
    const struct {
        bool metric;
        const char* drive;
        const char* air;
        const char* inlet;
        const char* outlet;
        const char* flow;
        const char* note;  // what the line under the list starts with
    } cases[] = {
        // Model 9 meets this nitrogen duty throttled on 0.71 of the 0.80 n.m3/min available.
        {true, "6", "800", "6", "20", "120", "No selections at full output on the air available; throttled"},
        {false, "100", "100", "100", "200", "5000", "No selections. Nearest model, "},
    };
    for (const auto& c : cases) {
        if (session.MetricUnits != c.metric) Click("metricImperialUnitsBitBtn");
        for (const auto& [field, text] : {std::pair{"pAirDrivePsiEdit", c.drive}, std::pair{"qAirScfmEdit", c.air},
                                          std::pair{"pSupplyPsiEdit", c.inlet}, std::pair{"pOutletPsiEdit", c.outlet},
                                          std::pair{"FlowrateReqdScfmEdit", c.flow}})
            Retype(field, text);
        ListSelections();
        EXPECT_EQ(List()->Rows(), QStringList{"No selections"}) << c.flow;
        EXPECT_TRUE(Label("DutyNoteLabel").startsWith(QString::fromLatin1(c.note)))
            << Label("DutyNoteLabel").toStdString();
        EXPECT_EQ(Compare()->Models(), AllModels()) << c.flow;
    }
    EXPECT_TRUE(Label("DutyNoteLabel").contains(QStringLiteral("RBW-5"))) << "the model that meets it throttled";
}

// A list with rows says nothing more unless a model left out meets the
// duty throttled.
TEST_F(ComparisonWindowTest, TheLineUnderTheListNamesModelsThatMeetTheDutyThrottled) {
    ListSelections();
    EXPECT_TRUE(Label("DutyNoteLabel").isEmpty()) << Label("DutyNoteLabel").toStdString();
    // 1 scfm at 1000 psig on 30 scfm of drive air: one model listed, and
    // RBW-15 meets the duty at a speed whose air fits.
    Retype("pOutletPsiEdit", "1000");
    Retype("qAirScfmEdit", "30");
    Retype("FlowrateReqdScfmEdit", "1");
    ListSelections();
    EXPECT_EQ(List()->Rows().size(), 1);
    const QString note = Label("DutyNoteLabel");
    EXPECT_TRUE(note.startsWith(QStringLiteral("Also meet the duty throttled"))) << note.toStdString();
    EXPECT_TRUE(note.contains(QStringLiteral("RBW-15 ("))) << note.toStdString();
    Retype("pOutletPsiEdit", "200");
    EXPECT_TRUE(Label("DutyNoteLabel").isEmpty()) << "a changed field clears it with the list";
}

TEST_F(ComparisonWindowTest, ListedModelsFirstAndAnyOtherAdded) {
    ListSelections();
    ComparisonWindow* w = Compare();
    EXPECT_EQ(w->Models(), (std::vector<int>{1, 2, 3, 5, 6, 9, 10, 11, 12, 13}));
    EXPECT_EQ(Row(w, QStringLiteral("Listed by the selection")).count(QStringLiteral("Yes")), 10);

    w->AddModel(4);
    EXPECT_EQ(w->Models().size(), 11u);
    EXPECT_EQ(w->Models()[3], 4) << "in model order";
    EXPECT_TRUE(Row(w, QString::fromLatin1(ReasonRowLabel))
                    .contains(testing::Shown("Delivers no flow: it stalls at 197 psig, below the outlet pressure of "
                                             "200 psig; 2.00 scfm is required")));
    auto* choice = w->findChild<QComboBox*>();
    for (int i = 0; i < choice->count(); ++i) EXPECT_NE(choice->itemData(i).toInt(), 4) << "already compared";

    w->RemoveModel(1);
    EXPECT_EQ(w->Models().front(), 2);
}

TEST_F(ComparisonWindowTest, CostSettingsKeptInTheUnitsShown) {
    ListSelections();
    ComparisonWindow* w = Compare();
    auto boxes = w->findChildren<QDoubleSpinBox*>();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0]->value(), 18);
    EXPECT_EQ(boxes[1]->value(), 4000);
    EXPECT_EQ(boxes[2]->value(), 0.15);
    boxes[0]->setValue(20);
    boxes[2]->setValue(0.2);
    EXPECT_DOUBLE_EQ(w->Cost().kwPer100Scfm, 20);

    // The next run, in metric: kW per n.m3/min of the same compressor.
    Click("metricImperialUnitsBitBtn");
    ComparisonWindow* metric = Compare();
    EXPECT_NEAR(metric->Cost().kwPer100Scfm, 20, 0.01);
    EXPECT_NEAR(metric->findChildren<QDoubleSpinBox*>()[0]->value(), 20 / 2.8316847, 0.01);
    EXPECT_EQ(metric->findChildren<QDoubleSpinBox*>()[2]->value(), 0.2);
    EXPECT_TRUE(metric->TableText().contains(QStringLiteral("Flow, nl/min")));
}

TEST_F(ComparisonWindowTest, CopySaveAndPrint) {
    ChooseFill();
    ListSelections();
    ComparisonWindow* w = Compare();
    ASSERT_TRUE(w->IsFill());
    const QStringList lines = TableLines(w);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("\tRB-15\tRB-30\t")));
    EXPECT_TRUE(w->TableText().contains(QStringLiteral("Fill time, minutes\t28\t46")));

    const QString csv = QDir(settingsDir.path()).filePath(QStringLiteral("comparison.csv"));
    ASSERT_TRUE(w->SaveCsv(csv));
    QFile saved(csv);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QString savedText = QString::fromUtf8(saved.readAll());
    EXPECT_TRUE(savedText.contains(QStringLiteral("\"Fill time, minutes\",\"28\",\"46\"")));
    // An export of the window: figures as the system writes them, each in its quoted cell.
    EXPECT_TRUE(savedText.contains(Shown("\"Cost a fill\",\"0.8"))) << savedText.toStdString();

    const QString pdf = QDir(settingsDir.path()).filePath(QStringLiteral("comparison.pdf"));
    ASSERT_TRUE(w->PrintPage(*MakePdfPrinter(pdf)));
    const QString text = PdfText(pdf);
    for (const char* part : {"Amplifier comparison - vessel charging", "RBZ-30/50", "Fill time, minutes",
                             "Vessel pressure against time", "Time, minutes"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(part))) << part;
    EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "one page";
}

// The same window shows a charging comparison, then a flow one: every row
// of the flow table but the (empty) reason row is shown.
TEST_F(ComparisonWindowTest, EveryRowShownAfterTheOtherApplication) {
    ChooseFill();
    ListSelections();
    Compare()->close();
    Click("systemAImage");
    ListSelections();
    auto* table = Compare()->findChild<QTableWidget*>();
    QStringList hidden;
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->isRowHidden(r)) hidden << table->verticalHeaderItem(r)->text();
    EXPECT_EQ(hidden, QStringList{QString::fromLatin1(ReasonRowLabel)}) << "every model listed, nothing else hidden";
}

// It opens beside the selection window on a 1,600 px screen and, at any size
// down to its smallest, shows every caption whole and a chart to read.
TEST_F(ComparisonWindowTest, OpensBesideTheSelectionWindowAndNeverClipsACaption) {
    ListSelections();
    ComparisonWindow* w = Compare();
    EXPECT_LE(w->width() + form->width(), 1600);
    for (const QSize size : {QSize(800, 600), QSize(1280, 900), QSize(1600, 1000), QSize(100, 100)}) {
        w->resize(size);
        QApplication::processEvents();
        EXPECT_GE(w->width(), std::min(size.width(), w->minimumWidth()));
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            if (!b->isVisible()) continue;
            const int needed = b->fontMetrics().horizontalAdvance(QString(b->text()).remove(QLatin1Char('&')));
            EXPECT_LE(needed, b->width()) << b->text().toStdString() << " at " << size.width();
        }
        for (QLabel* l : w->findChildren<QLabel*>()) {
            if (!l->isVisible() || l->wordWrap()) continue;
            const int needed = l->fontMetrics().horizontalAdvance(QString(l->text()).remove(QLatin1Char('&')));
            EXPECT_LE(needed, l->contentsRect().width()) << l->text().toStdString() << " at " << size.width();
        }
        const QWidget* chart = w->findChild<QSplitter*>()->widget(1);  // under the table
        EXPECT_GE(chart->height(), 280) << size.width();
    }
}

// The power is kept as entered: the rounded figure the metric box shows
// does not change the cost.
TEST_F(ComparisonWindowTest, MetricCostsUseThePowerAsEntered) {
    ListSelections();
    const CostSettings imperial = Compare()->Cost();
    Compare()->close();
    Click("metricImperialUnitsBitBtn");
    ListSelections();
    EXPECT_DOUBLE_EQ(Compare()->Cost().kwPer100Scfm, imperial.kwPer100Scfm);
}

TEST_F(ComparisonWindowTest, GrabsForReview) {
    const QString folder = qEnvironmentVariable("ZORVIK_GRAB_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "set ZORVIK_GRAB_DIR to grab the window and its page";
    for (const bool metric : {false, true}) {
        for (const bool fill : {false, true}) {
            if (fill) ChooseFill();
            ListSelections();
            ComparisonWindow* w = Compare();
            const QString name =
                QStringLiteral("comparison_%1_%2").arg(fill ? "fill" : "flow", metric ? "metric" : "imperial");
            w->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
            if (!fill && !metric) form->grab().save(QDir(folder).filePath(QStringLiteral("selection_window.png")));
            w->PrintPage(*MakePdfPrinter(QDir(folder).filePath(name + QStringLiteral(".pdf"))));
            w->close();
            if (fill) Click("systemAImage");
        }
        Click("metricImperialUnitsBitBtn");
    }
}

}  // namespace
}  // namespace zorvik::testing
