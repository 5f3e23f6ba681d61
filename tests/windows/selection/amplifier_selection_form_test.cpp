#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <memory>

#include "tab_list_box.h"
#include "picture_box.h"
#include "amplifier_selection_form.h"
#include "support/notice_recorder.h"
#include "gases.h"
#include "selection_window_fixture.h"
#include "support/shown_figures.h"

namespace zorvik {
namespace {

using testing::kFieldNames;
using testing::ModelOfRow;
using testing::NoticeKind;
using testing::SelectionWindowTest;
using testing::Shown;

const QStringList kInstructionRows = {" ",
                                      " ",
                                      " ",
                                      "\t\tEnter data for this type of application",
                                      "\t\tand click list selections to",
                                      "\t\tdisplay possible options."};

TEST_F(SelectionWindowTest, OpensOnTheFlowLayoutWithTheDefaults) {
    EXPECT_EQ(form->windowTitle(), "Zorvik Air Pressure Amplifiers  -  Selection");
    EXPECT_EQ(form->size(), QSize(792, 615));  // the fixed layout with the line under the list
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    const char* const defaults[] = {"100", "100", "100", "2.00", "200", "100", "1000", "1.00"};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Text(kFieldNames[i]), Shown(defaults[i])) << kFieldNames[i];
    EXPECT_EQ(session.ApplicationType, ApplicationFlow);
    EXPECT_FALSE(session.MetricUnits);
    EXPECT_EQ(Find<QComboBox>("ApplicationTypeComboBox")->currentText(), "Flow");
    EXPECT_EQ(Find<QPushButton>("metricImperialUnitsBitBtn")->text(), "Change to Metric &Units ");
    EXPECT_EQ(List()->Rows(), kInstructionRows);
    EXPECT_FALSE(Find<QWidget>("searchingMemo")->isVisible());
    EXPECT_EQ(Label("modelHdLabel"), "Model       Number   ");
    for (const char* name : {"ShowDrawingBitBtn", "DrawGraphBitBtn", "PrintBitBtn"})
        EXPECT_TRUE(Find<QPushButton>(name)->isVisible());
}

// Every way of choosing an application lands on the same layout.
TEST_F(SelectionWindowTest, LayoutsFromPicturesAndList) {
    struct Case {
        const char* what;
        std::function<void(SelectionWindowTest&)> choose;
        int type;
    };
    const auto pick = [](int index) {
        return [index](SelectionWindowTest& t) {
            QComboBox* box = t.Find<QComboBox>("ApplicationTypeComboBox");
            box->setCurrentIndex(index);
            emit box->activated(index);
        };
    };
    const Case cases[] = {
        {"system B picture", [](SelectionWindowTest& t) { t.Click("systemBImage"); }, ApplicationFillCylinder},
        {"system A picture, dimmed", [](SelectionWindowTest& t) { t.Click("systemAxImage"); }, ApplicationFlow},
        {"system B picture, dimmed", [](SelectionWindowTest& t) { t.Click("systemBxImage"); }, ApplicationFillCylinder},
        {"system A picture", [](SelectionWindowTest& t) { t.Click("systemAImage"); }, ApplicationFlow},
        {"Fill Cylinder in the list", pick(1), ApplicationFillCylinder},
        {"Flow in the list", pick(0), ApplicationFlow},
    };
    const QStringList flowFields = {"pAirDrivePsiEdit", "qAirScfmEdit", "pSupplyPsiEdit", "FlowrateReqdScfmEdit",
                                    "pOutletPsiEdit"};
    const QStringList fillFields = {"pAirDrivePsiEdit", "qAirScfmEdit",    "pSupplyPsiEdit",
                                    "OutStartPsiEdit",  "OutFinalPsiEdit", "OutCapacityFt3Edit"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Retype("pOutletPsiEdit", "250");  // leaves a changed list behind
        c.choose(*this);
        const bool fill = c.type == ApplicationFillCylinder;
        EXPECT_EQ(session.ApplicationType, c.type);
        EXPECT_EQ(Find<QComboBox>("ApplicationTypeComboBox")->currentIndex(), c.type);
        EXPECT_EQ(VisibleFields(), fill ? fillFields : flowFields);
        EXPECT_EQ(
            Visible({"FlowRateScfmLabel", "OutletPsigLabel", "OutStartPsigLabel", "OutFinalPsigLabel",
                     "OutCapacityFt3Label", "GasInletPsigLabel"}),
            fill ? QStringList({"OutStartPsigLabel", "OutFinalPsigLabel", "OutCapacityFt3Label", "GasInletPsigLabel"})
                 : QStringList({"FlowRateScfmLabel", "OutletPsigLabel", "GasInletPsigLabel"}));
        EXPECT_EQ(Find<QCheckBox>("disableFlowrateLimitCheckBox")->isVisible(), !fill);
        EXPECT_EQ(Label("FlowrateHdLabel"), fill ? "Fill Time Minutes" : "Flow rate Scfm");
        EXPECT_EQ(Label("AirConsumpHdLabel"), fill ? "Average Air Used Scfm" : "Air Used Scfm");
        EXPECT_EQ(Label("TotalAirConsumpHdLabel"), fill ? "Total Air S.Cu.Ft" : "");
        EXPECT_EQ(Label("cyclesMinHdLabel"), fill ? "Average Cycles / Min" : "Cycles / Min");
        // The chosen system's picture lies on top of its dimmed one.
        EXPECT_EQ(form->childAt(730, 30)->objectName(), fill ? "systemAxImage" : "systemAImage");
        EXPECT_EQ(form->childAt(730, 90)->objectName(), fill ? "systemBImage" : "systemBxImage");
        EXPECT_EQ(QApplication::focusWidget(), Edit("pAirDrivePsiEdit"));
        EXPECT_EQ(List()->Rows(), kInstructionRows);
    }
}

TEST_F(SelectionWindowTest, SchematicFollowsTheLayout) {
    const QImage& picture = Find<PictureBox>("SelectionLayoutImage")->Picture();
    ASSERT_EQ(picture.size(), QSize(657, 233));
    const auto blueCaption = [&picture] {
        for (int y = 204; y < 222; ++y)
            for (int x = 100; x < 520; ++x)
                if (picture.pixel(x, y) == qRgb(0, 0, 255)) return true;
        return false;
    };
    const auto white = [&picture](int x, int y) { return picture.pixel(x, y) == qRgb(255, 255, 255); };
    for (int type : {ApplicationFlow, ApplicationFillCylinder, ApplicationFlow}) {
        Click(type == ApplicationFlow ? "systemAImage" : "systemBImage");
        SCOPED_TRACE(type);
        EXPECT_EQ(picture.pixel(0, 0), qRgb(0, 0, 0));
        EXPECT_EQ(picture.pixel(656, 232), qRgb(0, 0, 0));
        EXPECT_TRUE(white(1, 1));
        EXPECT_TRUE(blueCaption());
        EXPECT_FALSE(white(350, 100));  // the amplifier
        EXPECT_FALSE(white(130, 179));  // the gas supply pipe
        EXPECT_FALSE(white(450, 65));   // the outlet pipe
        const QColor outlet = picture.pixel(575, 65);
        EXPECT_EQ(outlet.red() > 180 && outlet.green() < 90, type == ApplicationFlow) << "red outlet arrow";
        EXPECT_EQ(white(530, 90), type == ApplicationFlow) << "receiver saddle";
    }
}

TEST_F(SelectionWindowTest, UnitSwitchConvertsEveryFieldAndBack) {
    const char* const metric[] = {"6.9", "2831.7", "6.9", "56.6", "13.8", "6.9", "68.9", "28.3"};
    // Fields not edited since the first switch come back exactly as typed.
    const char* const imperial[] = {"100", "100", "100", "2.00", "200", "100", "1000", "1.00"};
    Click("metricImperialUnitsBitBtn");
    EXPECT_TRUE(session.MetricUnits);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Text(kFieldNames[i]), Shown(metric[i])) << kFieldNames[i];
    EXPECT_EQ(Find<QPushButton>("metricImperialUnitsBitBtn")->text(), "Change to Imperial &Units");
    EXPECT_EQ(Label("AirDrivePsigLabel"), "Air Drive barg");
    EXPECT_EQ(Label("AirDriveFlowScfmLabel"), "Air Drive Flow nl/min");
    EXPECT_EQ(Label("OutCapacityFt3Label"), "Capacity litres");
    EXPECT_EQ(Label("FlowrateHdLabel"), "Flow rate nl/min");
    EXPECT_EQ(Label("AirConsumpHdLabel"), "Air used n.m3");
    EXPECT_EQ(List()->Rows(), kInstructionRows);
    ChooseFill();
    EXPECT_EQ(Label("AirConsumpHdLabel"), "Average Air used n.m3");
    EXPECT_EQ(Label("TotalAirConsumpHdLabel"), "Total Air n.m3");

    Click("metricImperialUnitsBitBtn");
    EXPECT_FALSE(session.MetricUnits);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Text(kFieldNames[i]), Shown(imperial[i])) << kFieldNames[i];
    EXPECT_EQ(Find<QPushButton>("metricImperialUnitsBitBtn")->text(), "Change to Metric &Units");
    EXPECT_EQ(Label("OutStartPsigLabel"), "Initial psig");
    EXPECT_EQ(Label("TotalAirConsumpHdLabel"), "Total Air S.Cu.Ft");
    EXPECT_EQ(session.ApplicationType, ApplicationFillCylinder);
}

TEST_F(SelectionWindowTest, UnitSwitchKeepsAnUnreadableFieldAndConvertsTheRest) {
    Retype("pOutletPsiEdit", "2OO");
    notices.Expect(NoticeKind::Error, "2OO is not a valid value!");
    Click("metricImperialUnitsBitBtn");
    EXPECT_EQ(Text("pOutletPsiEdit"), "2OO");
    EXPECT_EQ(Text("pAirDrivePsiEdit"), Shown("6.9"));
    EXPECT_EQ(Text("OutCapacityFt3Edit"), Shown("28.3"));
    EXPECT_EQ(notices.Beeps(), 1);
}

// Whatever is typed shows in the field; what is not a number is refused,
// with its message, when the list is made.
TEST_F(SelectionWindowTest, EveryKeyReachesTheFieldAndAStrayOneIsRefusedLater) {
    const struct {
        const char* field;
        const char* typed;
        const char* refused;  // the warning's text; nullptr when the list is made
    } cases[] = {
        {"FlowrateReqdScfmEdit", "1;5", "1;5 is not valid value"},
        {"pAirDrivePsiEdit", "1OO", "1OO is not valid value"},
        {"qAirScfmEdit", "-20", "-20 is not valid value"},
        {"pSupplyPsiEdit", "120", nullptr},
    };
    for (const auto& c : cases) {
        QLineEdit* edit = Edit(c.field);
        const QString before = edit->text();
        edit->clear();
        edit->setFocus();
        QTest::keyClicks(edit, QString::fromLatin1(c.typed));
        EXPECT_EQ(edit->text(), c.typed) << c.field;
        if (c.refused != nullptr) notices.Expect(NoticeKind::Warning, c.refused);
        ListSelections();
        EXPECT_EQ(List()->Rows().isEmpty(), c.refused != nullptr) << c.field;
        edit->setText(before);
    }
}

// A field edited after a switch is converted afresh by the next one.
TEST_F(SelectionWindowTest, UnitSwitchConvertsAFieldEditedSinceTheLastSwitch) {
    Click("metricImperialUnitsBitBtn");
    Retype("pOutletPsiEdit", "20");
    Click("metricImperialUnitsBitBtn");
    EXPECT_EQ(Text("pOutletPsiEdit"), "290");
    EXPECT_EQ(Text("pAirDrivePsiEdit"), "100");
}

// The gas is an input like the fields: it reaches the run, a discharge
// limit marks the rows it is passed by, and the line under the list names
// them and what the gas calls for.
TEST_F(SelectionWindowTest, GasTemperatureAndLimitReachTheList) {
    const struct {
        int gas;            // in the list's order: air, nitrogen, oxygen ...
        const char* limit;  // degF; the default duty heats the gas to about 190 degF
        bool marked;        // every row marked, else none
    } cases[] = {{2, "150", true}, {1, "250", false}, {0, "", false}};
    for (const auto& c : cases) {
        Find<QComboBox>("GasComboBox")->setCurrentIndex(c.gas);
        Retype("GasTempEdit", "86");
        Retype("TempLimitEdit", c.limit);
        ListSelections();
        EXPECT_EQ(session.GasBoosted, AllGases[static_cast<std::size_t>(c.gas)]);
        EXPECT_NEAR(session.GasCelsius, 30, 1e-9);
        const QStringList rows = List()->Rows();
        ASSERT_FALSE(rows.isEmpty());
        for (const QString& row : rows)
            EXPECT_EQ(row.section(QLatin1Char('\t'), 1, 1).endsWith(QStringLiteral(" *")), c.marked) << c.limit;
        const QLabel* line = Find<QLabel>("DutyNoteLabel");
        const QString note = line->toolTip().isEmpty() ? line->text() : line->toolTip();  // whole when cut short
        EXPECT_EQ(note.contains(QStringLiteral("* Discharge can pass the ") + c.limit), c.marked) << note.toStdString();
        const std::string_view safety = SafetyNote(AllGases[static_cast<std::size_t>(c.gas)]);
        const QString calledFor = QString::fromUtf8(safety.data(), static_cast<qsizetype>(safety.size()));
        EXPECT_TRUE(note.startsWith(calledFor)) << "what the gas calls for comes first";
    }
}

// Temperatures switch units with the rest and come back as typed.
TEST_F(SelectionWindowTest, UnitSwitchConvertsTheTemperatures) {
    Retype("TempLimitEdit", "300");
    Click("metricImperialUnitsBitBtn");
    EXPECT_EQ(Text("GasTempEdit"), Shown("20.0"));
    EXPECT_EQ(Text("TempLimitEdit"), Shown("148.9"));
    EXPECT_EQ(Label("GasTempLabel"), QString::fromUtf8("Gas \u00B0C"));
    Click("metricImperialUnitsBitBtn");
    EXPECT_EQ(Text("GasTempEdit"), "68");
    EXPECT_EQ(Text("TempLimitEdit"), "300");
}

TEST_F(SelectionWindowTest, TabVisitsTheControlsInOrder) {
    const QStringList flowOrder = {"pAirDrivePsiEdit",
                                   "qAirScfmEdit",
                                   "PsEqualToPaCheckBox",
                                   "pSupplyPsiEdit",
                                   "pOutletPsiEdit",
                                   "FlowrateReqdScfmEdit",
                                   "ApplicationTypeComboBox",
                                   "disableAirQtyLimitCheckBox",
                                   "disableFlowrateLimitCheckBox",
                                   "GasComboBox",
                                   "GasTempEdit",
                                   "TempLimitEdit",
                                   "ListSelectionsBitBtn",
                                   "SelectionTabListBox",
                                   "ShowDrawingBitBtn",
                                   "DrawGraphBitBtn",
                                   "PrintBitBtn",
                                   "CompareBitBtn",
                                   "MainMenuBitBtn",
                                   "metricImperialUnitsBitBtn",
                                   "pAirDrivePsiEdit"};
    const QStringList fillOrder = {"pAirDrivePsiEdit",
                                   "qAirScfmEdit",
                                   "PsEqualToPaCheckBox",
                                   "pSupplyPsiEdit",
                                   "OutStartPsiEdit",
                                   "OutFinalPsiEdit",
                                   "OutCapacityFt3Edit",
                                   "ApplicationTypeComboBox",
                                   "disableAirQtyLimitCheckBox",
                                   "GasComboBox",
                                   "GasTempEdit",
                                   "TempLimitEdit",
                                   "RealGasCheckBox",
                                   "ListSelectionsBitBtn",
                                   "SelectionTabListBox",
                                   "ShowDrawingBitBtn",
                                   "DrawGraphBitBtn",
                                   "PrintBitBtn",
                                   "CompareBitBtn",
                                   "MainMenuBitBtn",
                                   "metricImperialUnitsBitBtn",
                                   "pAirDrivePsiEdit"};
    for (const QStringList* order : {&flowOrder, &fillOrder}) {
        if (order == &fillOrder) ChooseFill();
        Edit("pAirDrivePsiEdit")->setFocus(Qt::TabFocusReason);
        QStringList visited = {QApplication::focusWidget()->objectName()};
        for (int i = 1; i < order->size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(visited.join(QLatin1Char(' ')).toStdString(), order->join(QLatin1Char(' ')).toStdString());
    }
}

TEST_F(SelectionWindowTest, InletEqualToDriveFollowsTheDriveField) {
    ListSelections();
    ASSERT_GT(List()->count(), 1);
    ClickBox("PsEqualToPaCheckBox");
    EXPECT_EQ(List()->count(), 0);
    EXPECT_FALSE(Edit("pSupplyPsiEdit")->isEnabled());
    Retype("pAirDrivePsiEdit", "85");
    EXPECT_EQ(Text("pSupplyPsiEdit"), "85");
    Click("metricImperialUnitsBitBtn");
    EXPECT_EQ(Text("pAirDrivePsiEdit"), Shown("5.9"));
    EXPECT_EQ(Text("pSupplyPsiEdit"), Shown("5.9"));
    ClickBox("PsEqualToPaCheckBox");
    EXPECT_TRUE(Edit("pSupplyPsiEdit")->isEnabled());
    Retype("pAirDrivePsiEdit", "7");
    EXPECT_EQ(Text("pSupplyPsiEdit"), Shown("5.9"));
}

// Listed results always belong to the inputs on screen.
TEST_F(SelectionWindowTest, EveryInputChangeClearsTheList) {
    struct Case {
        const char* what;
        std::function<void(SelectionWindowTest&)> change;
    };
    std::vector<Case> cases;
    for (const char* field :
         {"pAirDrivePsiEdit", "qAirScfmEdit", "pSupplyPsiEdit", "FlowrateReqdScfmEdit", "pOutletPsiEdit"})
        cases.push_back({field, [field](SelectionWindowTest& t) { QTest::keyClick(t.Edit(field), Qt::Key_0); }});
    for (const char* field : {"OutStartPsiEdit", "OutFinalPsiEdit", "OutCapacityFt3Edit"})
        cases.push_back({field, [field](SelectionWindowTest& t) {
                             t.ChooseFill();
                             t.ListSelections();
                             ASSERT_GT(t.List()->count(), 1);
                             QTest::keyClick(t.Edit(field), Qt::Key_Backspace);
                         }});
    for (const char* box : {"disableAirQtyLimitCheckBox", "disableFlowrateLimitCheckBox", "PsEqualToPaCheckBox"})
        cases.push_back({box, [box](SelectionWindowTest& t) { t.ClickBox(box); }});
    cases.push_back({"layout", [](SelectionWindowTest& t) { t.Click("systemAImage"); }});
    cases.push_back({"units, nothing selected", [](SelectionWindowTest& t) {
                         t.List()->SelectRow(-1);
                         t.Click("metricImperialUnitsBitBtn");
                     }});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reopen();
        ListSelections();
        ASSERT_GT(List()->count(), 1);
        ASSERT_NE(List()->RowText(0), "No selections");
        c.change(*this);
        EXPECT_TRUE(List()->count() == 0 || List()->Rows() == kInstructionRows)
            << List()->Rows().join('|').toStdString();
    }
}

TEST_F(SelectionWindowTest, ListShowsTheModelsWithTheFirstSelected) {
    for (int type : {ApplicationFlow, ApplicationFillCylinder}) {
        SCOPED_TRACE(type);
        Click(type == ApplicationFlow ? "systemAImage" : "systemBImage");
        ListSelections();
        EXPECT_EQ(List()->TabStopDialogUnits(), (std::vector<int>{2, 71, 114, 161, 213, 221}));
        ASSERT_GT(List()->count(), 0);
        for (const QString& row : List()->Rows()) EXPECT_NE(ModelOfRow(row), 0) << row.toStdString();
        EXPECT_EQ(List()->SelectedRow(), 0);
        EXPECT_EQ(QApplication::focusWidget(), List());
        EXPECT_TRUE(Find<QWidget>("searchingMemo")->isVisible());
        // The hidden model numbers give the list no horizontal scroll bar.
        EXPECT_FALSE(List()->horizontalScrollBar()->isVisible());
        EXPECT_EQ(List()->horizontalScrollBar()->maximum(), 0);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!Find<QWidget>("searchingMemo")->isVisible(), 3000);
}

// Each figure stands under its own heading; the model number lies past the
// list's right edge.
TEST_F(SelectionWindowTest, RowsLineUpUnderTheirHeadings) {
    const QFontMetrics metrics(List()->font());
    for (int type : {ApplicationFlow, ApplicationFillCylinder}) {
        Click(type == ApplicationFlow ? "systemAImage" : "systemBImage");
        ListSelections();
        const char* const headings[] = {"modelHdLabel",      "modelHdLabel",     "FlowrateHdLabel",
                                        "AirConsumpHdLabel", "cyclesMinHdLabel", "TotalAirConsumpHdLabel"};
        const int listLeft = List()->viewport()->mapTo(form.get(), QPoint(0, 0)).x();
        for (const QString& row : List()->Rows()) {
            const QStringList pieces = row.split(QLatin1Char('\t'));
            const std::vector<int> starts = List()->PieceStarts(row);
            ASSERT_EQ(pieces.size(), 7);
            for (int i = 1; i <= (type == ApplicationFlow ? 4 : 5); ++i) {
                const QString figure = pieces[i].trimmed();
                const int right = listLeft + starts[i] + metrics.horizontalAdvance(pieces[i]);
                const int left = right - metrics.horizontalAdvance(figure);
                const QLabel* heading = Find<QLabel>(headings[i]);
                EXPECT_GE(left, heading->x()) << figure.toStdString() << " under " << headings[i];
                EXPECT_LE(right, heading->x() + heading->width()) << figure.toStdString() << " under " << headings[i];
            }
            EXPECT_GE(starts[6], List()->viewport()->width()) << row.toStdString();
        }
    }
}

TEST_F(SelectionWindowTest, NoSelectionsWhenNothingQualifies) {
    Retype("FlowrateReqdScfmEdit", "5000");
    ListSelections();
    EXPECT_EQ(List()->Rows(), QStringList{"No selections"});
    EXPECT_EQ(List()->SelectedRow(), -1);
}

// One message per attempt: the first refused field's, with the focus back
// on it, and an empty list.
TEST_F(SelectionWindowTest, FirstBadFieldOnly) {
    struct Case {
        int type;
        std::vector<std::pair<const char*, const char*>> entries;
        NoticeKind kind;
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {ApplicationFlow,
         {{"pAirDrivePsiEdit", ""}},
         NoticeKind::Warning,
         "Null is not valid value",
         "pAirDrivePsiEdit"},
        {ApplicationFlow,
         {{"pOutletPsiEdit", "2x0"}, {"FlowrateReqdScfmEdit", ""}},
         NoticeKind::Warning,
         "2x0 is not valid value",
         "pOutletPsiEdit"},
        {ApplicationFlow, {{"pOutletPsiEdit", "-5"}}, NoticeKind::Warning, "-5 is not valid value", "pOutletPsiEdit"},
        {ApplicationFillCylinder,
         {{"OutStartPsiEdit", "1O0"}, {"OutCapacityFt3Edit", ""}},
         NoticeKind::Warning,
         "1O0 is not valid value",
         "OutStartPsiEdit"},
        {ApplicationFlow,
         {{"pAirDrivePsiEdit", "30"}, {"FlowrateReqdScfmEdit", "0"}},
         NoticeKind::Error,
         "Drive air pressure is too low!",
         "pAirDrivePsiEdit"},
        {ApplicationFillCylinder,
         {{"OutFinalPsiEdit", "150"}, {"OutStartPsiEdit", "200"}},
         NoticeKind::Error,
         "Initial outlet pressure must be less than final outlet pressure!",
         "OutStartPsiEdit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Reopen();
        if (c.type == ApplicationFillCylinder) ChooseFill();
        for (const auto& [field, text] : c.entries) Edit(field)->setText(QString::fromLatin1(text));
        Edit(c.focus)->clearFocus();
        notices.Expect(c.kind, c.message);
        QTest::mouseClick(Find<QPushButton>("ListSelectionsBitBtn"), Qt::LeftButton);
        EXPECT_TRUE(notices.AllMet());
        EXPECT_EQ(List()->count(), 0);
        EXPECT_FALSE(Find<QWidget>("searchingMemo")->isVisible());
        if (c.kind == NoticeKind::Warning) {
            EXPECT_EQ(QApplication::focusWidget(), Edit(c.focus));
        }
    }
}

TEST_F(SelectionWindowTest, UnitSwitchRelistsWhenARowWasSelected) {
    ListSelections();
    const QStringList imperialRows = List()->Rows();
    ASSERT_GT(imperialRows.size(), 1);
    Click("metricImperialUnitsBitBtn");
    ASSERT_EQ(List()->count(), imperialRows.size());
    EXPECT_NE(List()->Rows(), imperialRows);
    EXPECT_EQ(List()->SelectedRow(), 0);
    for (int i = 0; i < List()->count(); ++i) EXPECT_EQ(ModelOfRow(List()->RowText(i)), ModelOfRow(imperialRows[i]));

    List()->SelectRow(-1);
    Click("metricImperialUnitsBitBtn");
    EXPECT_EQ(List()->Rows(), kInstructionRows);
}

// Two windows on two sessions: what one is switched to, reads and lists
// never reaches the other's fields, units, layout or list.
TEST_F(SelectionWindowTest, TwoWindowsOnTwoSessionsKeepTheirOwnUnitsAndRuns) {
    ListSelections();
    const QStringList imperialRows = List()->Rows();
    ASSERT_GT(imperialRows.size(), 1);

    Session otherSession;
    TAmplifierSelectionForm other(otherSession, testing::TestNotices());
    other.show();
    const auto press = [&other](const char* name) {
        QTest::mouseClick(other.findChild<QWidget*>(QString::fromLatin1(name)), Qt::LeftButton);
    };
    press("metricImperialUnitsBitBtn");
    press("systemBImage");
    press("ListSelectionsBitBtn");
    const auto* otherList = other.findChild<TTabListBox*>(QStringLiteral("SelectionTabListBox"));
    ASSERT_GT(otherList->count(), 1);
    EXPECT_NE(ModelOfRow(otherList->RowText(0)), 0);
    EXPECT_TRUE(otherSession.MetricUnits);
    EXPECT_EQ(otherSession.ApplicationType, ApplicationFillCylinder);
    EXPECT_NEAR(otherSession.OutFinalPsi, 999.3, 0.05);  // 68.9 barg

    EXPECT_FALSE(session.MetricUnits);
    EXPECT_EQ(session.ApplicationType, ApplicationFlow);
    EXPECT_EQ(session.OutFinalPsi, 0);
    EXPECT_EQ(Text("pAirDrivePsiEdit"), "100");
    EXPECT_EQ(Label("AirDrivePsigLabel"), "Air Drive psig");
    EXPECT_EQ(Label("FlowrateHdLabel"), "Flow rate Scfm");
    EXPECT_EQ(List()->Rows(), imperialRows);
    ListSelections();
    EXPECT_EQ(List()->Rows(), imperialRows);
    EXPECT_EQ(other.findChild<QLineEdit*>(QStringLiteral("pAirDrivePsiEdit"))->text(), Shown("6.9"));
}

TEST_F(SelectionWindowTest, EqualiseQuestionOkGoesOnFromTheInletPressure) {
    ChooseFill();
    Retype("OutStartPsiEdit", "50");
    notices.Expect(
        NoticeKind::Question,
        "Initial outlet pressure is lower than supply pressure!\requalise pressures before starting amplifier.", true);
    ListSelections();
    EXPECT_EQ(Text("OutStartPsiEdit"), "100");
    ASSERT_GT(List()->count(), 0);
    EXPECT_NE(List()->RowText(0), "No selections");
    EXPECT_EQ(List()->SelectedRow(), 0);
    EXPECT_DOUBLE_EQ(session.OutStartPsi, 100);
}

TEST_F(SelectionWindowTest, EqualiseQuestionCancelLeavesTheListEmpty) {
    ChooseFill();
    Retype("OutStartPsiEdit", "50");
    notices.Expect(
        NoticeKind::Question,
        "Initial outlet pressure is lower than supply pressure!\requalise pressures before starting amplifier.", false);
    ListSelections();
    EXPECT_EQ(Text("OutStartPsiEdit"), "50");
    EXPECT_EQ(List()->count(), 0);
}

TEST_F(SelectionWindowTest, MemosPassTheFocusOnAndMainMenuCloses) {
    for (const char* memo : {"InstructMemo", "searchingMemo"}) {
        QPlainTextEdit* edit = Find<QPlainTextEdit>(memo);
        edit->show();
        edit->setFocus(Qt::MouseFocusReason);
        EXPECT_NE(QApplication::focusWidget(), edit) << memo;
    }
    Click("MainMenuBitBtn");
    EXPECT_FALSE(form->isVisible());
    // Shown again, the window keeps its state and shows the instructions.
    Retype("pOutletPsiEdit", "300");
    form->show();
    EXPECT_EQ(Text("pOutletPsiEdit"), "300");
    EXPECT_EQ(List()->Rows(), kInstructionRows);
}

}  // namespace
}  // namespace zorvik

namespace zorvik {
namespace {

// The window on a German, a French and an American system: the fields show
// the system's separator, take it or "." as typed, and refuse a thousands
// separator with the way to write the number.
TEST_F(SelectionWindowTest, FieldsTakeNumbersAsTheSystemWritesThem) {
    const struct {
        const char* locale;
        const char* shown;  // the required flow at start
        const char* typed;
        const char* refused;  // the warning; nullptr when the list is made
    } cases[] = {
        {"de_DE", "2,00", "2,5", nullptr},
        {"de_DE", "2,00", "2.5", nullptr},
        {"de_DE", "2,00", "1.234,5",
         "1.234,5 is not valid value\rWrite it without a thousands separator, with \",\" or \".\" before the "
         "decimals: 1234,5"},
        {"fr_FR", "2,00", "2,5", nullptr},
        {"en_US", "2.00", "2.5", nullptr},
        {"en_US", "2.00", "1,234.5",
         "1,234.5 is not valid value\rWrite it without a thousands separator, with \".\" before the decimals: 1234.5"},
    };
    const QLocale old;
    for (const auto& c : cases) {
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        Reopen();
        EXPECT_EQ(Text("FlowrateReqdScfmEdit"), c.shown) << c.locale;
        Retype("FlowrateReqdScfmEdit", c.typed);
        if (c.refused != nullptr) notices.Expect(NoticeKind::Warning, c.refused);
        ListSelections();
        EXPECT_EQ(List()->Rows().isEmpty(), c.refused != nullptr) << c.locale << " " << c.typed;
    }
    QLocale::setDefault(old);
}

}  // namespace
}  // namespace zorvik
