#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QPushButton>
#include <algorithm>
#include <functional>

#include "shared_state.h"
#include "image_display_form.h"
#include "view_range.h"
#include "adjust_air_drive_form.h"
#include "graph_form.h"
#include "model_data_form.h"
#include "performance_chart.h"
#include "selection_row.h"
#include "selection_window_fixture.h"
#include "support/modal_dialog.h"

namespace zorvik {
namespace {

using testing::NoticeKind;

const char kNoAmplifierToShow[] = "No air amplifier selected...";

// What the picture viewer showed while it was open.
struct Viewed {
    bool opened = false;
    std::uint8_t mode = DisplayNothing;
    QImage picture;
};

// The selection window with the picture viewer and the graph window it
// borrows, wired as at start-up.
class ShowModelTest : public testing::SelectionWindowTest {
protected:
    void SetUp() override {
        SelectionWindowTest::SetUp();
        QLocale::setDefault(QLocale::c());
        graph.SetSubWindows(&adjust, &modelData);
        viewer.SetGraphWindow(&graph);
    }

    // Presses a button that must open the viewer, and closes it with "&OK".
    Viewed PressAndView(const char* button) {
        form->SetImageDisplayForm(&viewer);
        Viewed seen;
        const testing::ModalDialog view([&](QWidget* modal) {
            seen.opened = modal == &viewer;
            seen.mode = Shared.DisplayMode;
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

    // Selects the row of a model by its name.
    void SelectModel(const char* name) {
        const QStringList rows = List()->Rows();
        const auto row = std::find_if(rows.begin(), rows.end(), [name](const QString& r) {
            return r.split(QLatin1Char('\t')).value(1).trimmed() == QString::fromLatin1(name);
        });
        ASSERT_NE(row, rows.end()) << name;
        List()->SelectRow(static_cast<int>(row - rows.begin()));
    }

    // The chart of the current model at the viewer's range, without the
    // selection's overlay.
    static QImage ChartWithoutOverlay() {
        QImage picture(ChartPictureWidth, ChartPictureHeight, QImage::Format_RGB32);
        picture.fill(Qt::white);
        Shared.ShowChargeCurve = false;
        const GraphAxisRange r = SelectionViewRange();
        Canvas canvas(picture);
        DrawPerformanceGraph(canvas, ChartOriginX, ChartOriginY, r.outletMaxPsi, r.flowMaxScfm);
        return picture;
    }

    TAdjustAirDriveForm adjust;
    TmodelDataForm modelData;
    TzampGraph1Form graph;
    TimageDisplayForm viewer;
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
            const int model = Shared.PumpIndex;
            notices.Expect(NoticeKind::Warning, kNoAmplifierToShow);
            PressWithoutViewing(button);
            EXPECT_TRUE(notices.AllMet());
            EXPECT_EQ(notices.Beeps(), ++beeps);
            EXPECT_EQ(Shared.DisplayMode, DisplayNothing);
            EXPECT_EQ(Shared.PumpIndex, model);
        }
    }
}

// The same row again and again: inches, millimetres, inches.
TEST_F(ShowModelTest, DrawingAlternatesInchesAndMillimetres) {
    ListSelections();
    List()->SelectRow(1);
    const int model = *ModelNumberOfRow(List()->RowText(1).toStdString());
    std::vector<QImage> pictures;
    for (std::uint8_t mode : {DisplayDrawingInches, DisplayDrawingMm, DisplayDrawingInches}) {
        const Viewed seen = PressAndView("ShowDrawingBitBtn");
        EXPECT_EQ(seen.mode, mode);
        EXPECT_EQ(Shared.PumpIndex, model);
        EXPECT_EQ(Shared.CurrentPump.PumpNo, model);
        pictures.push_back(seen.picture);
    }
    EXPECT_NE(pictures[0], pictures[1]);
    EXPECT_EQ(pictures[0], pictures[2]);
}

// Little drive air: CRB19-2.5 stays within it, RB-8 is cut back. After
// "Show &Graph" the shared flow and air use are the figures the row shows,
// and the viewer marks the point on the chart.
TEST_F(ShowModelTest, GraphTakesTheListedFigures) {
    Retype("qAirScfmEdit", "40");
    ListSelections();
    const std::pair<const char*, bool> models[] = {{"CRB19-2.5", false}, {"RB-8", true}};
    for (const auto& [name, limited] : models) {
        SCOPED_TRACE(name);
        SelectModel(name);
        const QStringList cells = List()->RowText(List()->SelectedRow()).split(QLatin1Char('\t'));
        Shared.DisplayMode = DisplayDrawingInches;
        Shared.GraphInletScale = 0.5;
        const Viewed seen = PressAndView("DrawGraphBitBtn");

        EXPECT_EQ(seen.mode, DisplayChartPsi);
        EXPECT_EQ(Shared.GraphInletScale, 1.0);
        EXPECT_EQ(Shared.AirLimited, limited);
        const SelectionCells shown = FormatSelectionCells(0, Shared.AirUseScfm, Shared.FlowScfm, '.');
        EXPECT_EQ(cells[2].trimmed().toStdString(), shown.timeOrFlow);
        EXPECT_EQ(cells[3].trimmed().toStdString(), shown.air);
        EXPECT_NE(seen.picture, ChartWithoutOverlay());
    }
}

// Vessel charging: the graph starts at the initial vessel pressure and shows
// the model's charging points.
TEST_F(ShowModelTest, GraphOfAChargeStartsAtTheInitialPressure) {
    ChooseFill();
    ListSelections();
    SelectModel("RBW-15");
    const Viewed seen = PressAndView("DrawGraphBitBtn");
    EXPECT_EQ(seen.mode, DisplayChartPsi);
    EXPECT_EQ(Shared.FlowScfm, Shared.ChargeFlowTable[Shared.PumpIndex - 1][0]);
    EXPECT_NE(seen.picture, ChartWithoutOverlay());
}

}  // namespace
}  // namespace zorvik
