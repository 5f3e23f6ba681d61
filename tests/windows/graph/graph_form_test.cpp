#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "option_rows.h"
#include "graph_window_fixture.h"
#include "support/modal_dialog.h"
#include "support/notice_recorder.h"

namespace zorvik::testing {
namespace {

using GraphFormTest = GraphWindowTest;

TEST_F(GraphFormTest, FirstOpeningShowsTheMillimetreDrawingOfModelOne) {
    Open();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Zorvik Air Pressure Amplifiers  -  Dimensions & Graphs"));
    EXPECT_EQ(form.size(), QSize(792, 573));
    EXPECT_EQ(session.DisplayMode, DisplayNothing);
    EXPECT_EQ(session.PumpIndex, 1);
    EXPECT_EQ(session.CurrentPump.PumpNo, 1);
    EXPECT_EQ(Shown(), ModelDrawing(true));
    EXPECT_NE(Shown(), ModelDrawing(false));

    EXPECT_EQ(Button("ShowDrawingBitBtn")->text(), QStringLiteral("Show &inches"));
    EXPECT_EQ(Button("DrawGraphBitBtn")->text(), QStringLiteral("Show &Graph"));
    EXPECT_TRUE(Button("ShowDrawingBitBtn")->isVisible());
    EXPECT_FALSE(Button("ShowAmplifierBitBtn")->isVisible());
    EXPECT_FALSE(Button("AdjustAirDriveBitBtn")->isEnabled());
    EXPECT_FALSE(Control("DrivePressurePanel")->isVisible());
    EXPECT_FALSE(Control("OptionDimensionsPanel")->isVisible());
    EXPECT_EQ(Control<QPlainTextEdit>("ModelDetailsMemo")->toPlainText(),
              QStringLiteral("  Single acting\n  Single stage"));

    ASSERT_EQ(Models()->count(), 15);
    EXPECT_EQ(Models()->SelectedRow(), 0);
    EXPECT_EQ(Models()->RowText(0), QStringLiteral("\tCRB19\t-2.5 "));
    EXPECT_EQ(Models()->RowText(12), QStringLiteral("\tRBZ\t-15/30"));
    EXPECT_EQ(Models()->RowText(14), QStringLiteral("\t8RBW\t-2    "));
    EXPECT_EQ(Models()->TabStopDialogUnits(), (std::vector<int>{2, 35}));
    EXPECT_EQ(Options()->TabStopDialogUnits(), (std::vector<int>{11, 48, 235}));
    EXPECT_EQ(Options()->Rows(), QStringList({"       -C\tAir Controls\t1", "61301\tReceiver & Controls\t6"}));
}

// Each caption offers what is not shown; the chart's own controls live only
// while a chart is shown.
TEST_F(GraphFormTest, ChartAndDrawingButtonsCycleTheirModes) {
    Open();
    ChooseModel(6);
    const struct {
        const char* button;
        std::uint8_t mode;
        const char* graphCaption;
        const char* drawingCaption;
        const char* driveCaption;  // nullptr: the panel is hidden and adjusting is off
    } steps[] = {
        {"DrawGraphBitBtn", DisplayChartPsi, "Show &Bar && l/min", "Show &Drawing", "Air drive pressure  90 Psig"},
        {"DrawGraphBitBtn", DisplayChartBar, "Sho&w Psi && Scfm", "Show &Drawing", "Air drive pressure  6.2 barg"},
        {"DrawGraphBitBtn", DisplayChartPsi, "Show &Bar && l/min", "Show &Drawing", "Air drive pressure  90 Psig"},
        {"ShowDrawingBitBtn", DisplayDrawingInches, "Show &Graph", "S&how mm", nullptr},
        {"ShowDrawingBitBtn", DisplayDrawingMm, "Show &Graph", "Show &inches", nullptr},
        {"ShowDrawingBitBtn", DisplayDrawingInches, "Show &Graph", "S&how mm", nullptr},
        {"DrawGraphBitBtn", DisplayChartPsi, "Show &Bar && l/min", "Show &Drawing", "Air drive pressure  90 Psig"},
        {"DrawGraphBitBtn", DisplayChartBar, "Sho&w Psi && Scfm", "Show &Drawing", "Air drive pressure  6.2 barg"},
        {"ShowDrawingBitBtn", DisplayDrawingInches, "Show &Graph", "S&how mm", nullptr},
    };
    int step = 0;
    for (const auto& s : steps) {
        SCOPED_TRACE(++step);
        Press(Button(s.button));
        EXPECT_EQ(session.DisplayMode, s.mode);
        EXPECT_EQ(Button("DrawGraphBitBtn")->text(), QString::fromLatin1(s.graphCaption));
        EXPECT_EQ(Button("ShowDrawingBitBtn")->text(), QString::fromLatin1(s.drawingCaption));
        const bool chart = s.driveCaption != nullptr;
        EXPECT_EQ(Button("AdjustAirDriveBitBtn")->isEnabled(), chart);
        EXPECT_EQ(Control("DrivePressurePanel")->isVisible(), chart);
        if (chart) {
            EXPECT_EQ(Control<QLabel>("DrivePressurePanel")->text(), QString::fromLatin1(s.driveCaption));
        }
        EXPECT_EQ(Shown(), chart ? Chart() : ModelDrawing());
    }
}

TEST_F(GraphFormTest, EachModelListsItsOptionsAndType) {
    Open();
    const struct {
        int model;
        int options;
        const char* type;
        // clang-format off
    } models[] = {
        {1, 2, "  Single acting\n  Single stage"},  {2, 2, "  Single acting\n  Single stage"},
        {3, 2, "  Single acting\n  Single stage"},  {4, 5, "  Double acting\n  Single stage"},
        {5, 8, "  Single acting\n  Single stage"},  {8, 11, "  Double acting\n  Single stage"},
        {9, 9, "  Double acting\n  Single stage"},  {12, 8, "  Double acting\n  Two stage"},
        {14, 8, "  Double acting\n  Two stage"},    {15, 10, "  Double acting\n  Single stage"},
    };
    // clang-format on
    for (const auto& m : models) {
        SCOPED_TRACE(m.model);
        ChooseModel(m.model);
        EXPECT_EQ(session.PumpIndex, m.model);
        EXPECT_EQ(session.CurrentPump.PumpNo, m.model);
        EXPECT_EQ(Options()->count(), m.options);
        EXPECT_EQ(Options()->SelectedRow(), -1);
        EXPECT_EQ(Control<QPlainTextEdit>("ModelDetailsMemo")->toPlainText(), QString::fromLatin1(m.type));
        EXPECT_EQ(Shown(), ModelDrawing());
    }
}

// The rows are the catalogue's part numbers and names as they stand, blanks
// included: seven before "-C", two before "-QP1".
TEST_F(GraphFormTest, OptionRowsReadExactly) {
    Open();
    ChooseModel(8);
    EXPECT_EQ(Options()->Rows(), QStringList({
                                     "       -C\tAir (F-R, Gauge & Valve) Controls\t20",
                                     "61312\tExternal Pilot Modification\t21",
                                     "  -QP1\tExternal Pilot Modification & Air Pilot Switch\t22",
                                     "61313\tElectric Stroke Counter\t23",
                                     "61314\tMechanical Stroke Counter\t24",
                                     "61315\tThree Way Cycling Spool\t25",
                                     "61316\tSingle Stroke Modification\t26",
                                     "61317\tExtreme Service Cycling Mod\t27",
                                     "61318\tReceiver & Controls\t30",
                                     "61304\t125 psig Downstream Regulator\t31",
                                     "61304-1\t200 psig Downstream Regulator\t32",
                                 }));
    ChooseModel(9);
    EXPECT_EQ(Options()->RowText(8), QStringLiteral("61305\tRegulator, Air Pilot Switch, & Relief Valve\t35"));
    ChooseModel(4);
    EXPECT_EQ(Options()->Rows(), QStringList({
                                     "       -C\tAir (F-R, Gauge & Valve) Controls\t10",
                                     "61310\tExternal Pilot Modification\t11",
                                     "61302\tNo Load Run Away & Regulator\t12",
                                     "61311\tExtreme Service Cycling Mod\t13",
                                     "61303\tReceiver & Controls\t14",
                                 }));
    ChooseModel(15);
    EXPECT_EQ(Options()->Rows(), QStringList({
                                     "       -C\tAir (F-R, Gauge & Valve) Controls\t40",
                                     "61319\tExternal Pilot Modification\t41",
                                     "  -QP1\tExternal Pilot Modification & Air Pilot Switch\t42",
                                     "61313\tElectric Stroke Counter\t43",
                                     "61314\tMechanical Stroke Counter\t44",
                                     "61316\tSingle Stroke Modification\t45",
                                     "61320\tExtreme Service Cycling Mod\t46",
                                     "61307\tNo Load Run Away Mod\t47",
                                     "61308\tNo Load Run Away Mod with Air Controls\t48",
                                     "61309\tReceiver & Controls\t49",
                                 }));
}

TEST_F(GraphFormTest, ReceiverOptionOffersMillimetresAndInches) {
    Open();
    ClickRow(Options(), 1);
    auto* panel = Control("OptionDimensionsPanel");
    auto* mm = Control<QRadioButton>("optionMMRadioButton");
    auto* inch = Control<QRadioButton>("OptionInchRadioButton");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(form.OptionDrawingInMm);
    EXPECT_EQ(Shown(), OptionDrawing(6, "61301", true));
    EXPECT_FALSE(Button("ShowDrawingBitBtn")->isVisible());
    EXPECT_TRUE(Button("ShowAmplifierBitBtn")->isVisible());

    QTest::mouseClick(inch, Qt::LeftButton);
    EXPECT_FALSE(form.OptionDrawingInMm);
    EXPECT_EQ(Shown(), OptionDrawing(6, "61301", false));
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(inch->hasFocus());
    EXPECT_EQ(session.DisplayMode, DisplayNothing);

    QTest::mouseClick(mm, Qt::LeftButton);
    EXPECT_EQ(Shown(), OptionDrawing(6, "61301", true));

    Press(Button("ShowAmplifierBitBtn"));
    EXPECT_EQ(Shown(), ModelDrawing());
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(Button("ShowDrawingBitBtn")->isVisible());
    EXPECT_FALSE(Button("ShowAmplifierBitBtn")->isVisible());

    // A second click on the same row shows the option again.
    ClickRow(Options(), 1);
    EXPECT_EQ(Shown(), OptionDrawing(6, "61301", true));
}

TEST_F(GraphFormTest, AnOptionWithoutDrawingOnlyRedrawsTheChart) {
    Open();
    ChooseModel(5);
    Press(Button("DrawGraphBitBtn"));
    const QImage chart = Shown();
    form.PerformanceGraphImage().fill(Qt::red);
    ClickRow(Options(), 1);  // 61312, index 21
    EXPECT_EQ(Shown(), chart);
    EXPECT_EQ(session.DisplayMode, DisplayChartPsi);
    EXPECT_EQ(Button("DrawGraphBitBtn")->text(), QStringLiteral("Show &Bar && l/min"));
    EXPECT_EQ(Button("ShowDrawingBitBtn")->text(), QStringLiteral("Show &Drawing"));
    EXPECT_TRUE(Button("ShowDrawingBitBtn")->isVisible());
    EXPECT_FALSE(Button("ShowAmplifierBitBtn")->isVisible());
    EXPECT_TRUE(Button("AdjustAirDriveBitBtn")->isEnabled());

    // An option with a drawing shows it over the chart mode; the chart, back
    // again, brings back the drawing button.
    ClickRow(Options(), 0);
    EXPECT_EQ(Shown(), OptionDrawing(20, "       -C", true));
    EXPECT_EQ(session.DisplayMode, DisplayChartPsi);
    EXPECT_TRUE(Button("ShowAmplifierBitBtn")->isVisible());
    ClickRow(Options(), 3);
    EXPECT_EQ(Shown(), chart);
    EXPECT_TRUE(Button("ShowDrawingBitBtn")->isVisible());
    EXPECT_FALSE(Button("ShowAmplifierBitBtn")->isVisible());

    ClickRow(Options(), 2);
    ChooseModel(7);
    EXPECT_EQ(Shown(), Chart());
    EXPECT_TRUE(Button("ShowDrawingBitBtn")->isVisible());
    EXPECT_FALSE(Button("ShowAmplifierBitBtn")->isVisible());
}

TEST_F(GraphFormTest, AnOptionWithoutDrawingBringsBackTheModelDrawing) {
    Open();
    Press(Button("ShowDrawingBitBtn"));
    ChooseModel(10);
    ClickRow(Options(), 2);  // -QP1, index 22
    EXPECT_TRUE(Button("ShowAmplifierBitBtn")->isVisible());
    ClickRow(Options(), 3);  // 61313, index 23
    EXPECT_EQ(Shown(), ModelDrawing(false));
    EXPECT_TRUE(Button("ShowDrawingBitBtn")->isVisible());
    EXPECT_EQ(Button("ShowDrawingBitBtn")->text(), QStringLiteral("S&how mm"));
    EXPECT_FALSE(Button("ShowAmplifierBitBtn")->isVisible());
}

// A model change refills the option list: it starts at its top, and no
// row of it is current, so the focus arriving in it picks nothing.
TEST_F(GraphFormTest, ARefilledOptionListStartsAtItsTopWithNothingPicked) {
    Open();
    ChooseModel(8);
    Press(Button("DrawGraphBitBtn"));
    ClickRow(Options(), 1);
    QTest::keyClick(Options(), Qt::Key_End);
    QApplication::processEvents();
    ASSERT_GT(Options()->verticalScrollBar()->value(), 0);
    ChooseModel(10);
    QApplication::processEvents();
    EXPECT_EQ(Options()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(Options()->indexAt(QPoint(2, 2)).row(), 0);

    Options()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Shown(), Chart());
    EXPECT_EQ(Options()->currentRow(), -1);
    // The keyboard still picks the first row, and shows its drawing.
    QTest::keyClick(Options(), Qt::Key_Down);
    EXPECT_EQ(Options()->currentRow(), 0);
    EXPECT_EQ(Shown(), OptionDrawing(20, "       -C", true));
}

// The window shown again gives the focus back to the option list it was
// left in; the chart it showed must come back, not the first option's
// drawing.
TEST_F(GraphFormTest, ShowingAgainWithTheFocusInTheOptionsKeepsTheChart) {
    Open();
    Press(Button("DrawGraphBitBtn"));
    ChooseModel(5);
    ClickRow(Options(), 3);  // no drawing of its own: the chart stays
    ASSERT_TRUE(Options()->hasFocus());
    for (int showing = 0; showing < 2; ++showing) {
        form.close();
        Open();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        EXPECT_EQ(session.DisplayMode, DisplayChartPsi);
        EXPECT_EQ(Shown(), Chart()) << "showing " << showing;
        EXPECT_TRUE(Button("ShowDrawingBitBtn")->isVisible());
    }
}

TEST_F(GraphFormTest, ChoosingAModelStartsFromItsReferenceInlet) {
    Open();
    Press(Button("DrawGraphBitBtn"));
    session.GraphInletScale = 2.5;
    ChooseModel(10);
    EXPECT_EQ(session.GraphInletScale, 1.0);
    EXPECT_EQ(form.ChartShown().inletPsi, 800);
    EXPECT_EQ(Shown(), Chart());
    EXPECT_EQ(Options()->count(), 8);

    // The keyboard picks models too.
    Models()->setFocus();
    QTest::keyClick(Models(), Qt::Key_Down);
    EXPECT_EQ(session.PumpIndex, 11);
    EXPECT_EQ(Shown(), Chart());
}

TEST_F(GraphFormTest, ShowingAgainFollowsAModeChangedElsewhere) {
    Open();
    form.close();
    session.DisplayMode = DisplayChartBar;  // as the picture viewer can leave it
    Open();
    EXPECT_EQ(Shown(), Chart());
    EXPECT_EQ(Button("DrawGraphBitBtn")->text(), QStringLiteral("Sho&w Psi && Scfm"));
    EXPECT_EQ(Button("ShowDrawingBitBtn")->text(), QStringLiteral("Show &Drawing"));
    EXPECT_TRUE(Button("AdjustAirDriveBitBtn")->isEnabled());
    EXPECT_EQ(Control<QLabel>("DrivePressurePanel")->text(), QStringLiteral("Air drive pressure  6.2 barg"));

    form.close();
    session.DisplayMode = DisplayDrawingInches;
    Open();
    EXPECT_EQ(Shown(), ModelDrawing(false));
    EXPECT_EQ(Button("DrawGraphBitBtn")->text(), QStringLiteral("Show &Graph"));
    EXPECT_EQ(Button("ShowDrawingBitBtn")->text(), QStringLiteral("S&how mm"));
    EXPECT_FALSE(Button("AdjustAirDriveBitBtn")->isEnabled());
    EXPECT_FALSE(Control("DrivePressurePanel")->isVisible());
}

TEST_F(GraphFormTest, NewGraphRedrawsAtTheAdjustedPressures) {
    Open();
    ChooseModel(6);
    Press(Button("DrawGraphBitBtn"));
    const testing::ModalDialog adjustTo100([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("TAdjustAirDriveForm"));
        auto* air = dialog->findChild<QLineEdit*>(QStringLiteral("AdjustAirDrivePsiEdit"));
        auto* inlet = dialog->findChild<QLineEdit*>(QStringLiteral("AdjustInletPsiEdit"));
        air->selectAll();
        QTest::keyClicks(air, QStringLiteral("100"));
        inlet->selectAll();
        QTest::keyClicks(inlet, QStringLiteral("350"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("newGraphBitBtn")), Qt::LeftButton);
    });
    Press(Button("AdjustAirDriveBitBtn"));
    EXPECT_EQ(session.GraphAirDrivePsi, 100);
    EXPECT_EQ(session.GraphInletScale, 0.5);
    EXPECT_EQ(form.ChartShown().inletPsi, 350);
    EXPECT_EQ(Control<QLabel>("DrivePressurePanel")->text(), QStringLiteral("Air drive pressure  100 Psig"));
    EXPECT_EQ(Shown(), Chart());

    // Cancelled, nothing changes and nothing is redrawn.
    form.PerformanceGraphImage().fill(Qt::red);
    Press(Button("DrawGraphBitBtn"));
    const QImage barChart = Shown();
    const testing::ModalDialog cancel([](QWidget* dialog) {
        EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("psiBarLabel1"))->text(), QStringLiteral("barg"));
        auto* air = dialog->findChild<QLineEdit*>(QStringLiteral("AdjustAirDrivePsiEdit"));
        air->selectAll();
        QTest::keyClicks(air, QStringLiteral("8"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cancelBitBtn")), Qt::LeftButton);
    });
    form.PerformanceGraphImage().fill(Qt::red);
    Press(Button("AdjustAirDriveBitBtn"));
    EXPECT_EQ(session.GraphAirDrivePsi, 100);
    EXPECT_EQ(session.GraphInletScale, 0.5);
    EXPECT_NE(Shown(), barChart);
}

TEST_F(GraphFormTest, ModelDataDescribesTheChosenModel) {
    Open();
    ChooseModel(6);
    QString shownName;
    const testing::ModalDialog readName([&](QWidget* dialog) {
        shownName = dialog->findChild<QLabel*>(QStringLiteral("pumpModelLabel"))->text();
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    });
    Press(Button("ShowDataBitBtn"));
    EXPECT_EQ(shownName, QStringLiteral("RB-15 "));
}

TEST_F(GraphFormTest, CopyPutsThePictureOnTheClipboard) {
    Open();
    ChooseModel(12);
    Press(Button("DrawGraphBitBtn"));
    Press(Button("CopyToClipboardBitBtn"));
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), Shown());
}

TEST_F(GraphFormTest, TheMemoPassesTheFocusOn) {
    Open();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Button("CloseBitBtn")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Options());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Button("CloseBitBtn"));
    Control("ModelDetailsMemo")->setFocus(Qt::MouseFocusReason);
    EXPECT_NE(QApplication::focusWidget(), Control("ModelDetailsMemo"));
}

TEST_F(GraphFormTest, EveryCaptionFits) {
    Open();
    ExpectEveryTextFits(form);
    ClickRow(Options(), 1);
    ExpectEveryTextFits(form);
    for (int model : {6, 12, 15}) {
        ChooseModel(model);
        Press(Button("DrawGraphBitBtn"));
        ExpectEveryTextFits(form);
        Press(Button("DrawGraphBitBtn"));
        ExpectEveryTextFits(form);
        Press(Button("ShowDrawingBitBtn"));
        ExpectEveryTextFits(form);
    }
    session.GraphAirDrivePsi = 150;
    ChooseModel(10);
    Press(Button("DrawGraphBitBtn"));
    ExpectEveryTextFits(form);
    Press(Button("DrawGraphBitBtn"));
    ExpectEveryTextFits(form);
}

// The bar caption, and the psi caption at three digits, are longer than
// the psi caption at the usual drive pressure; they keep at least its
// margin, and that one keeps the layout's own size.
TEST_F(GraphFormTest, DrivePressureCaptionKeepsItsMarginInBar) {
    Open();
    auto* panel = Control<QLabel>("DrivePressurePanel");
    const auto margin = [panel] {
        return (panel->contentsRect().width() - panel->fontMetrics().horizontalAdvance(panel->text())) / 2;
    };
    const double layoutPoints = panel->font().pointSizeF();
    session.GraphAirDrivePsi = 90;
    ChooseModel(10);
    Press(Button("DrawGraphBitBtn"));
    ASSERT_EQ(panel->text(), QStringLiteral("Air drive pressure  90 Psig"));
    const int psiMargin = margin();
    EXPECT_EQ(panel->font().pointSizeF(), layoutPoints);
    EXPECT_GE(psiMargin, 6);
    for (double drivePsi : {40.0, 99.0, 145.0, 150.0}) {
        session.GraphAirDrivePsi = drivePsi;
        ChooseModel(10);
        EXPECT_GE(margin(), psiMargin) << panel->text().toStdString();
        Press(Button("DrawGraphBitBtn"));
        ASSERT_TRUE(panel->text().endsWith(QStringLiteral(" barg")));
        EXPECT_GE(margin(), psiMargin) << panel->text().toStdString();
        Press(Button("DrawGraphBitBtn"));
    }
}

TEST_F(GraphFormTest, MainMenuClosesTheWindow) {
    Open();
    Press(Button("CloseBitBtn"));
    EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace zorvik::testing
