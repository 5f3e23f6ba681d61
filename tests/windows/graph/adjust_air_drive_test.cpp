#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "adjust_air_drive_form.h"
#include "chart_view.h"
#include "session.h"
#include "spin_button.h"
#include "graph_window_fixture.h"
#include "support/modal_dialog.h"
#include "support/notice_recorder.h"

namespace zorvik::testing {
namespace {

const std::string kAirTooLow = "Air drive pressure is too low!";
const std::string kAirTooHigh = "Air drive pressure is too high!";
const std::string kInletTooLow = "Gas inlet pressure is too low!";
const std::string kInletTooHigh = "Gas inlet pressure is too high!";

class AdjustAirDriveTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { dialog.close(); }

    // Opens the dialog as the graph window does on its chart of `model` at
    // `airDrivePsi` and `inletPsi`.
    void Open(int model, double airDrivePsi, double inletPsi, bool bar = false) {
        ChartView chart;
        chart.model = model;
        chart.drivePsi = airDrivePsi;
        chart.inletPsi = inletPsi;
        chart.bar = bar;
        Open(chart);
    }
    void Open(const ChartView& chart) {
        dialog.AdjustShowsBar = chart.bar;
        dialog.ChartShown = chart;
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        ASSERT_TRUE(Air()->hasFocus());
    }

    QString Text(const char* name) { return dialog.findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    QLineEdit* Air() { return dialog.findChild<QLineEdit*>(QStringLiteral("AdjustAirDrivePsiEdit")); }
    QLineEdit* Inlet() { return dialog.findChild<QLineEdit*>(QStringLiteral("AdjustInletPsiEdit")); }
    QPushButton* Button(const char* name) { return dialog.findChild<QPushButton*>(QString::fromLatin1(name)); }
    QToolButton* Arrow(const char* spin, bool up) {
        auto* spinButton = dialog.findChild<SpinButton*>(QString::fromLatin1(spin));
        return up ? spinButton->UpButton() : spinButton->DownButton();
    }
    static void Type(QLineEdit* edit, const QString& text) {
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    // Leaves the field with Tab and lets the check run.
    static void Leave(QLineEdit* edit) {
        QTest::keyClick(edit, Qt::Key_Tab);
        QApplication::processEvents();
    }

    Session session;
    TAdjustAirDriveForm dialog{session, TestNotices()};
};

TEST_F(AdjustAirDriveTest, ShowsTheModelsLimitsInBarAndPsi) {
    Open(5, 90, 100);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Adjust operating conditions"));
    EXPECT_EQ(dialog.size(), QSize(411, 239));
    EXPECT_EQ(Text("pumpModelLabel"), QStringLiteral("RB-8 "));
    EXPECT_EQ(Text("maxAirBarLabel"), QStringLiteral("10.3 barg"));
    EXPECT_EQ(Text("maxAirPsiLabel"), QStringLiteral("( 150 psig )"));
    EXPECT_EQ(Text("minInletBarLabel"), QStringLiteral("1.7 barg"));
    EXPECT_EQ(Text("minInletPsiLabel"), QStringLiteral("( 25 psig )"));
    EXPECT_EQ(Text("maxInletBarLabel"), QStringLiteral("86.2 barg"));
    EXPECT_EQ(Text("maxInletPsiLabel"), QStringLiteral("( 1250 psig )"));
    EXPECT_EQ(Text("psiBarLabel1"), QStringLiteral("psig"));
    EXPECT_EQ(Text("psiBarLabel2"), QStringLiteral("psig"));
    EXPECT_EQ(Air()->text(), QStringLiteral("90"));
    EXPECT_EQ(Inlet()->text(), QStringLiteral("100"));
    EXPECT_EQ(Air()->maxLength(), 4);
    EXPECT_EQ(Inlet()->maxLength(), 5);
    EXPECT_TRUE(Inlet()->isVisible());
    EXPECT_FALSE(dialog.findChild<QLabel*>(QStringLiteral("Label1"))->isVisible());
}

// The dialog adjusts the chart it was opened on: its model's limits and
// reference inlet, whatever model the session has made current since.
TEST_F(AdjustAirDriveTest, WorksOnTheChartsModelNotTheCurrentOne) {
    session.SelectPump(2);
    Open(5, 90, 100);
    EXPECT_EQ(Text("pumpModelLabel"), QStringLiteral("RB-8 "));
    EXPECT_EQ(Text("maxInletPsiLabel"), QStringLiteral("( 1250 psig )"));
    EXPECT_TRUE(Inlet()->isVisible());
    Type(Inlet(), QStringLiteral("200"));
    QTest::mouseClick(Button("newGraphBitBtn"), Qt::LeftButton);
    EXPECT_EQ(session.GraphInletScale, 200 / CatalogueRow(5).GraphInletPsi);
    EXPECT_EQ(session.CurrentPump.PumpNo, 2);
}

TEST_F(AdjustAirDriveTest, EveryTextFits) {
    for (int model : {1, 7, 12, 14}) {
        for (bool bar : {false, true}) {
            SCOPED_TRACE(model);
            Open(model, 150, CatalogueRow(model).GraphInletPsi, bar);
            ExpectEveryTextFits(dialog);
            dialog.close();
        }
    }
}

TEST_F(AdjustAirDriveTest, ModelsOnTheirOwnDriveAirShowOnlyTheDrive) {
    Open(2, 125, 125);
    EXPECT_EQ(Text("maxAirBarLabel"), QStringLiteral("8.6 barg"));
    EXPECT_TRUE(Air()->isVisible());
    EXPECT_FALSE(Inlet()->isVisible());
    EXPECT_FALSE(dialog.findChild<QWidget*>(QStringLiteral("gasInletDataPanel"))->isVisible());
    EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("Label1"))->isVisible());
}

TEST_F(AdjustAirDriveTest, BarFieldsAreCheckedInPsi) {
    NoticeRecorder notices;
    Open(6, 90, 700, true);
    EXPECT_EQ(Text("psiBarLabel1"), QStringLiteral("barg"));
    EXPECT_EQ(Air()->text(), QStringLiteral("6.2"));
    EXPECT_EQ(Inlet()->text(), QStringLiteral("48.3"));

    Type(Air(), QStringLiteral("10"));
    EXPECT_DOUBLE_EQ(dialog.NewAirDrivePsi, 145.0377);
    Leave(Air());
    EXPECT_DOUBLE_EQ(dialog.NewAirDrivePsi, 145.0377);
    EXPECT_EQ(Air()->text(), QStringLiteral("10"));

    notices.Expect(NoticeKind::Warning, kAirTooHigh);
    Type(Air(), QStringLiteral("10.5"));
    Leave(Air());
    EXPECT_EQ(dialog.NewAirDrivePsi, 150);
    EXPECT_EQ(Air()->text(), QStringLiteral("10.3"));
    EXPECT_TRUE(Air()->hasFocus());
    EXPECT_EQ(notices.Beeps(), 1);
}

// The arrows step whole psig, after cutting the value to its whole psig.
TEST_F(AdjustAirDriveTest, ArrowsStepWholePsig) {
    Open(6, 90, 700, true);
    Type(Air(), QStringLiteral("10.3"));
    EXPECT_NEAR(dialog.NewAirDrivePsi, 149.388831, 1e-6);
    QTest::mouseClick(Arrow("airDrivePsiSpinButton", true), Qt::LeftButton);
    EXPECT_EQ(dialog.NewAirDrivePsi, 150);
    EXPECT_EQ(Air()->text(), QStringLiteral("10.3"));
    QTest::mouseClick(Arrow("airDrivePsiSpinButton", true), Qt::LeftButton);
    EXPECT_EQ(dialog.NewAirDrivePsi, 150);
    QTest::mouseClick(Arrow("airDrivePsiSpinButton", false), Qt::LeftButton);
    EXPECT_EQ(dialog.NewAirDrivePsi, 149);
    EXPECT_TRUE(Air()->hasFocus());

    // In bar a step moves the shown value by about 0.07.
    Type(Inlet(), QStringLiteral("50"));
    QTest::mouseClick(Arrow("inletPsiSpinButton", true), Qt::LeftButton);
    EXPECT_EQ(dialog.NewInletPsi, 726);
    EXPECT_EQ(Inlet()->text(), QStringLiteral("50.1"));

    Type(Air(), QStringLiteral("2.8"));
    for (int i = 0; i < 3; ++i) QTest::mouseClick(Arrow("airDrivePsiSpinButton", false), Qt::LeftButton);
    EXPECT_EQ(dialog.NewAirDrivePsi, 40);
    Type(Inlet(), QStringLiteral("3.5"));
    for (int i = 0; i < 3; ++i) QTest::mouseClick(Arrow("inletPsiSpinButton", false), Qt::LeftButton);
    EXPECT_EQ(dialog.NewInletPsi, 50);
}

// A two-stage model's inlet limit is a multiple of the drive pressure the
// chart was drawn at; the labels follow the drive pressure being edited.
TEST_F(AdjustAirDriveTest, TwoStageInletLimitFollowsTheChartsDrivePressure) {
    NoticeRecorder notices;
    Open(12, 100, 135);
    EXPECT_EQ(Text("maxInletPsiLabel"), QStringLiteral("( 160 psig )"));
    Type(Air(), QStringLiteral("120"));
    EXPECT_EQ(Text("maxInletPsiLabel"), QStringLiteral("( 192 psig )"));
    EXPECT_EQ(Text("maxInletBarLabel"), QStringLiteral("13.2 barg"));

    Type(Inlet(), QStringLiteral("159"));
    for (int i = 0; i < 3; ++i) QTest::mouseClick(Arrow("inletPsiSpinButton", true), Qt::LeftButton);
    EXPECT_EQ(dialog.NewInletPsi, 160);

    notices.Expect(NoticeKind::Warning, kInletTooHigh);
    Type(Inlet(), QStringLiteral("170"));
    Leave(Inlet());
    EXPECT_EQ(dialog.NewInletPsi, 160);
    EXPECT_EQ(Inlet()->text(), QStringLiteral("160"));
    EXPECT_TRUE(Inlet()->hasFocus());
    EXPECT_EQ(Text("maxInletPsiLabel"), QStringLiteral("( 192 psig )"));
}

// The chart holds a raised inlet to its own limit; the dialog opened on that
// chart takes the same pressure back, left as shown or typed again.
TEST_F(AdjustAirDriveTest, TheInletTheChartWasDrawnAtIsAccepted) {
    NoticeRecorder notices;  // any warning fails the test
    for (int model : {12, 13, 14})
        for (double drivePsi : {40.0, 45.0, 90.0, 150.0}) {
            const ChartView chart = PrepareGraphChart(model, drivePsi, 1.5, false).view;
            const double chartInlet = chart.inletPsi;
            for (bool retype : {false, true}) {
                Open(chart);
                if (retype)
                    Type(Inlet(), Inlet()->text());
                else
                    Inlet()->setFocus(Qt::TabFocusReason);
                Leave(Inlet());
                EXPECT_EQ(dialog.NewInletPsi, chartInlet) << "model " << model << " at " << drivePsi;
                dialog.close();
            }
        }
}

TEST_F(AdjustAirDriveTest, LeavingAFieldBelowItsMinimumRaisesIt) {
    NoticeRecorder notices;
    Open(5, 90, 100);
    notices.Expect(NoticeKind::Warning, kAirTooLow);
    Type(Air(), QStringLiteral("30"));
    Leave(Air());
    EXPECT_EQ(dialog.NewAirDrivePsi, 40);
    EXPECT_EQ(Air()->text(), QStringLiteral("40"));
    EXPECT_EQ(Text("maxInletPsiLabel"), QStringLiteral("( 1250 psig )"));

    notices.Expect(NoticeKind::Warning, kInletTooLow);
    Type(Inlet(), QStringLiteral("10"));
    Leave(Inlet());
    EXPECT_EQ(dialog.NewInletPsi, 25);
    EXPECT_EQ(Inlet()->text(), QStringLiteral("25"));
    EXPECT_EQ(notices.Beeps(), 2);
}

// Text that is not a number is reported while typing and again when the
// field is left; the pressure then goes through the limits like any other,
// so no pressure is ever taken from text that could not be read.
TEST_F(AdjustAirDriveTest, LeavingTextThatIsNotANumberKeepsAPressureWithinTheLimits) {
    NoticeRecorder notices;
    Open(5, 90, 100);
    notices.Expect(NoticeKind::Warning, "9x is not valid value");
    Type(Air(), QStringLiteral("9x"));
    EXPECT_EQ(dialog.NewAirDrivePsi, 0);
    notices.Expect(NoticeKind::Warning, "'9x' is not a valid floating point value")
        .Expect(NoticeKind::Warning, kAirTooLow);
    Leave(Air());
    EXPECT_EQ(dialog.NewAirDrivePsi, 40);
    EXPECT_EQ(Air()->text(), QStringLiteral("40"));
    EXPECT_TRUE(notices.AllMet());
}

TEST_F(AdjustAirDriveTest, NewGraphStoresTheCorrectedValueOfTheFieldBeingLeft) {
    NoticeRecorder notices;
    Open(5, 90, 100);
    Type(Air(), QStringLiteral("200"));
    notices.Expect(NoticeKind::Warning, kAirTooHigh);
    QTest::mouseClick(Button("newGraphBitBtn"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(dialog.result(), TAdjustAirDriveForm::NewGraphResult);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(session.GraphAirDrivePsi, 150);
    EXPECT_EQ(session.GraphInletScale, 1.0);

    // From the keyboard the focus never leaves the field.
    session = Session();
    Open(10, 90, 800);
    Type(Inlet(), QStringLiteral("3000"));
    notices.Expect(NoticeKind::Warning, kInletTooHigh);
    QTest::keyClick(Inlet(), Qt::Key_N, Qt::AltModifier);
    // The shortcut's click reaches the button through the event loop.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !dialog.isVisible(); }));
    EXPECT_EQ(session.GraphAirDrivePsi, 90);
    EXPECT_EQ(session.GraphInletScale, 2500.0 / 800.0);
}

// The field left as the dialog wrote it keeps the exact pressure behind its
// rounded text.
TEST_F(AdjustAirDriveTest, AnUntouchedBarFieldKeepsItsExactPressure) {
    Open(6, 90, 700, true);
    Leave(Air());
    QTest::mouseClick(Button("newGraphBitBtn"), Qt::LeftButton);
    EXPECT_EQ(session.GraphAirDrivePsi, 90);
    EXPECT_EQ(session.GraphInletScale, 1.0);
}

TEST_F(AdjustAirDriveTest, CancelChangesNothing) {
    NoticeRecorder notices;
    Open(5, 90, 100);
    Type(Air(), QStringLiteral("200"));
    QTest::mouseClick(Button("cancelBitBtn"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(session.GraphAirDrivePsi, 90);
    EXPECT_EQ(session.GraphInletScale, 1.0);

    // The next showing starts again from the chart's pressures.
    Open(5, 90, 100);
    EXPECT_EQ(Air()->text(), QStringLiteral("90"));
    EXPECT_EQ(dialog.NewAirDrivePsi, 90);
}

}  // namespace
}  // namespace zorvik::testing
