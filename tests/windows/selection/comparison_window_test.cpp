// The comparison window as a user meets it: the C&ompare button of the
// selection window, the listed models at the list's conditions, another
// model added, cost settings kept between runs, the table copied and saved,
// and the page printed. ZORVIK_GRAB_DIR=<folder> also grabs the window and
// prints its page there for review.

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>

#include "printing.h"
#include "comparison_window.h"
#include "selection_window_fixture.h"
#include "support/printed_pdf.h"

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

TEST_F(ComparisonWindowTest, ButtonBetweenListAndMainMenuWhileTheListHasModels) {
    auto* compare = Find<QPushButton>("CompareBitBtn");
    EXPECT_EQ(Find<QWidget>("ListSelectionsBitBtn")->geometry(), QRect(408, 540, 153, 29));
    EXPECT_EQ(Find<QWidget>("MainMenuBitBtn")->geometry(), QRect(664, 540, 121, 29));
    EXPECT_GE(compare->x(), 408 + 153);
    EXPECT_LE(compare->geometry().right(), 664);
    // Its mnemonic is its own.
    for (QPushButton* b : form->findChildren<QPushButton*>()) {
        if (b == compare) continue;
        EXPECT_FALSE(b->text().contains(QStringLiteral("&o"), Qt::CaseInsensitive)) << b->text().toStdString();
    }

    EXPECT_FALSE(compare->isEnabled()) << "instructions are no models";
    ListSelections();
    EXPECT_TRUE(compare->isEnabled());
    Retype("FlowrateReqdScfmEdit", "1000");
    EXPECT_FALSE(compare->isEnabled()) << "a changed field clears the list";
    ListSelections();
    EXPECT_FALSE(compare->isEnabled()) << "No selections";

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

TEST_F(ComparisonWindowTest, ListedModelsFirstAndAnyOtherAdded) {
    ListSelections();
    ComparisonWindow* w = Compare();
    EXPECT_EQ(w->Models(), (std::vector<int>{1, 2, 3, 5, 6, 9, 10, 11, 12, 13}));
    EXPECT_EQ(Row(w, QStringLiteral("Listed by the selection")).count(QStringLiteral("Yes")), 10);

    w->AddModel(4);
    EXPECT_EQ(w->Models().size(), 11u);
    EXPECT_EQ(w->Models()[3], 4) << "in model order";
    EXPECT_TRUE(Row(w, QStringLiteral("Not listed because"))
                    .contains(QStringLiteral("Delivers no flow: it stalls at 197 psig, below the outlet pressure of "
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
    EXPECT_TRUE(saved.readAll().contains("\"Fill time, minutes\",\"28\",\"46\""));

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
    int hidden = 0;
    for (int r = 0; r < table->rowCount(); ++r) hidden += table->isRowHidden(r);
    EXPECT_EQ(hidden, 1);
    EXPECT_TRUE(table->isRowHidden(table->rowCount() - 1));
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
