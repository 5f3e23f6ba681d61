#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QPushButton>
#include <algorithm>
#include <functional>

#include "charge_search.h"
#include "chart_view.h"
#include "dimension_drawings.h"
#include "duty_point.h"
#include "flow_search.h"
#include "image_display_form.h"
#include "adjust_air_drive_form.h"
#include "graph_form.h"
#include "model_data_form.h"
#include "performance_chart.h"
#include "selection_row.h"
#include "selection_window_fixture.h"
#include "support/modal_dialog.h"
#include "support/shown_figures.h"

namespace zorvik {
namespace {

using testing::ModelOfRow;
using testing::NoticeKind;

const char kNoAmplifierToShow[] = "No air amplifier selected...";

// The window's default conditions, as its fields start.
constexpr FlowDuty kDefaultFlowDuty{100, 100, 100, 200, 2, false, false};
constexpr ChargeDuty kDefaultChargeDuty{100, 100, 100, 100, 1000, 1, false};

// What the picture viewer showed while it was open.
struct Viewed {
    bool opened = false;
    std::uint8_t mode = DisplayNothing;
    QImage picture;
};

QImage Drawn(const PictureDrawing& drawing) {
    QImage picture(ChartPictureWidth, ChartPictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    Canvas canvas(picture);
    drawing(canvas);
    return picture;
}

QImage ChartPicture(const ChartView& view) {
    return Drawn([view](Canvas& canvas) { DrawChart(canvas, view); });
}

// The viewer's chart of a model at a duty, without the selection's point.
ChartView BareChart(int model, double drivePsi, double inletPsi) {
    ChartView view;
    view.model = model;
    view.drivePsi = drivePsi;
    view.inletPsi = inletPsi;
    view.axes = ChartAxisRule::SelectionViewer;
    return view;
}

// The chart of a listed model as the engine finds it at the duty: the flow
// one unit delivers flat out at the outlet pressure, and the speed and
// drive air that the required flow takes.
ChartView FlowRowChart(int model, const FlowDuty& duty) {
    ChartView view = BareChart(model, duty.drivePsi, duty.inletPsi);
    const PointResult flatOut = EvaluateForFlow(CatalogueRow(model), duty).requested;
    const FlowDutyPoint point = EvaluateFlowDuty(CatalogueRow(model), duty, flatOut);
    view.duty = ChartDutyPoint{duty.outletPsi, flatOut.flowScfm,
                               ChartRequiredFlow{point.unitFlowScfm, point.dutySpeedPercent, point.dutyAirScfm}};
    return view;
}

ChartView ChargeRowChart(int model, const ChargeDuty& duty) {
    ChartView view = BareChart(model, duty.drivePsi, duty.inletPsi);
    view.charge =
        ChartChargePoints{duty.startPsi, duty.finalPsi, EvaluateForCharge(CatalogueRow(model), duty).flowScfm};
    return view;
}

// The selection window with the picture viewer, and the graph window and
// its dialogs, all on the one session as at start-up.
class ShowModelTest : public testing::SelectionWindowTest {
protected:
    void SetUp() override {
        // The viewer's pictures are compared with charts drawn in Qt's C
        // locale; the window is made in it too, so its rows and the charts
        // agree (the C library keeps the desktop's locale).
        QLocale::setDefault(QLocale::c());
        SelectionWindowTest::SetUp();
        graph.SetSubWindows(&adjust, &modelData);
    }
    void TearDown() override { graph.close(); }

    // Presses a button that must open the viewer, and closes it with "&OK".
    Viewed PressAndView(const char* button) {
        form->SetImageDisplayForm(&viewer);
        Viewed seen;
        const testing::ModalDialog view([&](QWidget* modal) {
            seen.opened = modal == &viewer;
            seen.mode = session.DisplayMode;
            seen.picture = viewer.ShownPicture();
            QTest::mouseClick(viewer.findChild<QPushButton*>(QStringLiteral("OkBitBtn")), Qt::LeftButton);
        });
        QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
        EXPECT_TRUE(seen.opened) << button;
        return seen;
    }

    // Presses a button that must not open the viewer; should it open all the
    // same, it is closed again and the test fails.
    void PressWithoutViewing(const char* button) {
        form->SetImageDisplayForm(&viewer);
        const testing::ModalDialog noViewer = testing::ModalDialog::Forbidden();
        QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
    }

    // Selects the row of a model by its name; answers its model number.
    int SelectModel(const char* name) {
        const QStringList rows = List()->Rows();
        const auto row = std::find_if(rows.begin(), rows.end(), [name](const QString& r) {
            return r.split(QLatin1Char('\t')).value(1).trimmed() == QString::fromLatin1(name);
        });
        EXPECT_NE(row, rows.end()) << name;
        if (row == rows.end()) return 0;
        List()->SelectRow(static_cast<int>(row - rows.begin()));
        return ModelOfRow(*row);
    }

    // Opens the graph window and picks a model in it with the mouse.
    void BrowseGraphs(int model) {
        graph.show();
        auto* models = graph.findChild<TTabListBox*>(QStringLiteral("TabListBox1"));
        models->scrollToItem(models->item(model - 1));
        QTest::mouseClick(models->viewport(), Qt::LeftButton, {},
                          models->visualItemRect(models->item(model - 1)).center());
    }

    TimageDisplayForm viewer{session, testing::TestNotices()};
    TAdjustAirDriveForm adjust{session, testing::TestNotices()};
    TmodelDataForm modelData{session};
    TzampGraph1Form graph{session, testing::TestNotices()};
};

TEST_F(ShowModelTest, WarnsWithoutAModelRow) {
    const std::pair<const char*, std::function<void(ShowModelTest&)>> cases[] = {
        {"nothing selected", [](ShowModelTest&) {}},
        {"instruction row", [](ShowModelTest& t) { t.List()->SelectRow(3); }},
        {"No selections",
         [](ShowModelTest& t) {
             t.Retype("FlowrateReqdScfmEdit", "5000");
             t.ListSelections();
             t.List()->SelectRow(0);
         }},
    };
    int beeps = 0;
    for (const auto& [what, prepare] : cases) {
        for (const char* button : {"ShowDrawingBitBtn", "DrawGraphBitBtn"}) {
            SCOPED_TRACE(std::string(what) + ", " + button);
            Reopen();
            prepare(*this);
            const int model = session.PumpIndex;
            notices.Expect(NoticeKind::Warning, kNoAmplifierToShow);
            PressWithoutViewing(button);
            EXPECT_TRUE(notices.AllMet());
            EXPECT_EQ(notices.Beeps(), ++beeps);
            EXPECT_EQ(session.DisplayMode, DisplayNothing);
            EXPECT_EQ(session.PumpIndex, model);
        }
    }
}

// The same row again and again: inches, millimetres, inches, each the
// row's model's own drawing.
TEST_F(ShowModelTest, DrawingAlternatesInchesAndMillimetres) {
    ListSelections();
    List()->SelectRow(1);
    const int model = ModelOfRow(List()->RowText(1));
    ASSERT_NE(model, 0);
    for (std::uint8_t mode : {DisplayDrawingInches, DisplayDrawingMm, DisplayDrawingInches}) {
        const Viewed seen = PressAndView("ShowDrawingBitBtn");
        EXPECT_EQ(seen.mode, mode);
        EXPECT_EQ(session.PumpIndex, model);
        EXPECT_EQ(session.CurrentPump.PumpNo, model);
        const bool mm = mode == DisplayDrawingMm;
        EXPECT_EQ(seen.picture, Drawn([model, mm](Canvas& c) { DrawModelDrawing(c, model, mm); }));
    }
}

// Little drive air: CRB19-2.5 stays within it, RB-8 is cut back. The row
// shows the figures the engine delivers at the duty, and the viewer marks
// that very point on the chart.
TEST_F(ShowModelTest, GraphTakesTheListedFigures) {
    Retype("qAirScfmEdit", "40");
    ListSelections();
    FlowDuty duty = kDefaultFlowDuty;
    duty.airAvailableScfm = 40;
    const std::pair<const char*, bool> models[] = {{"CRB19-2.5", false}, {"RB-8", true}};
    for (const auto& [name, limited] : models) {
        SCOPED_TRACE(name);
        const int model = SelectModel(name);
        const QStringList cells = List()->RowText(List()->SelectedRow()).split(QLatin1Char('\t'));
        session.DisplayMode = DisplayDrawingInches;
        session.GraphInletScale = 0.5;
        const Viewed seen = PressAndView("DrawGraphBitBtn");

        EXPECT_EQ(seen.mode, DisplayChartPsi);
        EXPECT_EQ(session.GraphInletScale, 1.0);
        const DeliveredPoint delivered = EvaluateForFlow(CatalogueRow(model), duty).delivered;
        EXPECT_EQ(delivered.airLimited, limited);
        const SelectionCells shown = FormatSelectionCells(0, delivered.airUseScfm, delivered.flowScfm, RowFormat{});
        EXPECT_EQ(cells[2].trimmed(), testing::Shown(shown.timeOrFlow));
        EXPECT_EQ(cells[3].trimmed(), testing::Shown(shown.air));
        EXPECT_EQ(seen.picture, ChartPicture(FlowRowChart(model, duty)));
        EXPECT_NE(seen.picture, ChartPicture(BareChart(model, duty.drivePsi, duty.inletPsi)));
    }
}

// Vessel charging: the viewer shows the model's charge from the initial
// vessel pressure to the final one.
TEST_F(ShowModelTest, GraphOfAChargeShowsTheRowsChargePoints) {
    ChooseFill();
    ListSelections();
    const int model = SelectModel("RBW-15");
    const Viewed seen = PressAndView("DrawGraphBitBtn");
    EXPECT_EQ(seen.mode, DisplayChartPsi);
    EXPECT_EQ(seen.picture, ChartPicture(ChargeRowChart(model, kDefaultChargeDuty)));
    EXPECT_NE(seen.picture, ChartPicture(BareChart(model, 100, 100)));
}

// The graph window and the selection window used in turn on one session:
// browsing another model's chart at another drive pressure, in bar, between
// two showings of a row's graph leaves the row's chart as it was.
TEST_F(ShowModelTest, BrowsingGraphsInBetweenLeavesTheRowsChart) {
    ListSelections();
    const int model = SelectModel("RB-8");
    const Viewed first = PressAndView("DrawGraphBitBtn");
    EXPECT_EQ(first.picture, ChartPicture(FlowRowChart(model, kDefaultFlowDuty)));

    session.GraphAirDrivePsi = 120;
    BrowseGraphs(12);
    QTest::mouseClick(graph.findChild<QPushButton*>(QStringLiteral("DrawGraphBitBtn")), Qt::LeftButton);
    ASSERT_EQ(graph.ChartShown().model, 12);
    ASSERT_EQ(graph.ChartShown().drivePsi, 120);
    ASSERT_TRUE(graph.ChartShown().bar);
    graph.close();

    const Viewed again = PressAndView("DrawGraphBitBtn");
    EXPECT_EQ(again.mode, DisplayChartPsi);
    EXPECT_EQ(again.picture, first.picture);
    EXPECT_EQ(session.PumpIndex, model);
}

}  // namespace
}  // namespace zorvik
