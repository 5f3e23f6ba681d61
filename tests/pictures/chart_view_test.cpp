#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <string>

#include "chart_pictures.h"
#include "chart_view.h"
#include "performance_model.h"
#include "performance_chart.h"

namespace zorvik {
namespace {

using testing::CountColor;

const std::string kTooHigh = "Air drive pressure is too high!\rReset to maximum air drive pressure";

class ChartViewTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
};

// The graph window's settings turned into the pressures the chart is drawn
// at: the drive held to the model's maximum (with the warning), the inlet
// rounded from the scaled reference pressure and held to the model's limits
// at that drive.
TEST_F(ChartViewTest, PreparedFromTheGraphSettings) {
    const struct {
        int model;
        double drive, scale;
        bool bar;
        double drawnDrive, inlet;
        bool warns;
        // clang-format off
    } cases[] = {
        {6,  90,  1,        false, 90,  700,  false},
        {6,  90,  10,       true,  90,  2250, false},  // held to the model's inlet limit
        {6,  90,  0.0001,   false, 90,  50,   false},  // raised to its minimum inlet
        {10, 90,  0.50062,  false, 90,  400,  false},  // 400.496 + 0.5 truncated
        {10, 90,  0.500625, false, 90,  401,  false},
        {12, 90,  1,        false, 90,  135,  false},  // inlet limit 2 x drive x 0.8
        {12, 90,  2,        false, 90,  144,  false},
        {12, 150, 2,        false, 150, 240,  false},
        {12, 200, 2,        true,  150, 240,  true},   // the limit at the drive drawn, not the one asked
        {12, 10,  1,        false, 10,  25,   false},  // a limit below the minimum: the minimum wins
        {15, 140, 1,        false, 130, 100,  true},   // above the maximum drive
        {15, 130, 1,        true,  130, 100,  false},  // at it
        {10, 140, 1,        false, 140, 800,  false},  // another model takes the same drive
        {1,  90,  1,        false, 90,  90,   false},  // boosts its own drive air
        {3,  40,  0.2,      false, 40,  40,   false},
        {2,  90,  0.0001,   false, 90,  90,   false},
        {1,  140, 1,        true,  125, 125,  true},   // its inlet follows the drive held down
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "model " << c.model << " at " << c.drive << " psig, x " << c.scale);
        const PreparedChart prepared = PrepareGraphChart(c.model, c.drive, c.scale, c.bar);
        EXPECT_EQ(prepared.view.model, c.model);
        EXPECT_EQ(prepared.view.bar, c.bar);
        EXPECT_DOUBLE_EQ(prepared.view.drivePsi, c.drawnDrive);
        EXPECT_DOUBLE_EQ(prepared.view.inletPsi, c.inlet);
        EXPECT_EQ(English(prepared.warning), c.warns ? kTooHigh : "");
        EXPECT_EQ(prepared.view.axes, ChartAxisRule::GraphWindow);
        EXPECT_FALSE(prepared.view.duty || prepared.view.charge);
    }
}

TEST_F(ChartViewTest, InletLimitIsFixedOrAMultipleOfTheDrive) {
    const struct {
        int model;
        double drive, limit;
        // clang-format off
    } cases[] = {
        {6,  90,  2250},
        {6,  150, 2250},
        {12, 90,  144},   // 2 x 90 x 0.8
        {13, 100, 640},   // 8 x 100 x 0.8
        {1,  90,  125},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(MaxInletFor(CatalogueRow(c.model), c.drive), c.limit) << "model " << c.model;
}

ChartView GraphChart(int model, double drivePsi = 90, double inletScale = 1) {
    return PrepareGraphChart(model, drivePsi, inletScale, false).view;
}

TEST_F(ChartViewTest, AxisRangesPerModel) {
    const struct {
        int model;
        ChartAxisRule axes;
        double outlet, flow;
        // clang-format off
    } cases[] = {
        {1,  ChartAxisRule::GraphWindow,     350,  8},          // fixed 6 scfm, + 2
        {3,  ChartAxisRule::GraphWindow,     600,  5},
        {3,  ChartAxisRule::SelectionViewer, 550,  5},          // the viewer's one difference
        {4,  ChartAxisRule::GraphWindow,     250,  40},         // stall 187.15 psig raised to 250; flow raised to 40
        {4,  ChartAxisRule::SelectionViewer, 250,  40},
        {15, ChartAxisRule::GraphWindow,     250,  225},        // stall 190 psig raised to 250
        {5,  ChartAxisRule::GraphWindow,     730,  9.154514},   // flow at 133.33 psig and 150 psig drive, + 2
        {6,  ChartAxisRule::SelectionViewer, 1350, 19.435867},  // flow at 900 psig and 150 psig drive, above 11: nothing added
    };
    // clang-format on
    for (const auto& c : cases) {
        ChartView view = GraphChart(c.model);
        view.axes = c.axes;
        const GraphAxisRange r = ChartAxisRange(view);
        EXPECT_NEAR(r.outletMaxPsi, c.outlet, 1e-6) << "model " << c.model;
        EXPECT_NEAR(r.flowMaxScfm, c.flow, 1e-6) << "model " << c.model;
    }
}

// The top curve starts at its highest flow, at the drive pressure drawn,
// while the computed flow axis is read at the model's maximum drive: at a
// high drive that start can lie above the axis. The axis then reaches a
// tenth beyond it, so that the curve and its balloon stay on the chart.
TEST_F(ChartViewTest, FlowAxisTakesTheTopCurvesStart) {
    const struct {
        int model;
        double drive, scale;
        bool raised;
        // clang-format off
    } cases[] = {
        {8,  150, 1.5, true},
        {6,  150, 1,   true},
        {15, 150, 2,   true},   // drawn at 130 psig; above the axis it has at least
        {8,  90,  1.5, false},
        {6,  90,  1,   false},
    };
    // clang-format on
    for (const auto& c : cases) {
        const ChartView view = GraphChart(c.model, c.drive, c.scale);
        const double startScfm = OutletFlow(view.Pump(), {view.drivePsi, view.inletPsi, view.inletPsi}).flowScfm;
        const double axisScfm = ChartAxisRange(view).flowMaxScfm;
        if (c.raised) {
            EXPECT_NEAR(axisScfm, 1.1 * startScfm, 1e-9) << "model " << c.model << " at " << c.drive;
        } else {
            EXPECT_GE(axisScfm, startScfm) << "model " << c.model << " at " << c.drive;
            EXPECT_GT(std::abs(axisScfm - 1.1 * startScfm), 0.1) << "model " << c.model << " at " << c.drive;
        }
    }
}

// The chart covers the whole picture, frame included, in either unit.
TEST_F(ChartViewTest, ChartFillsThePicture) {
    for (bool bar : {false, true}) {
        QImage picture(ChartPictureWidth, ChartPictureHeight, QImage::Format_RGB32);
        picture.fill(Qt::green);
        {
            Canvas canvas(picture);
            DrawChart(canvas, PrepareGraphChart(10, 90, 1, bar).view);
        }
        EXPECT_EQ(QColor(picture.pixel(0, 0)), colors::Black) << "bar " << bar;
        EXPECT_EQ(QColor(picture.pixel(616, 460)), colors::Black) << "bar " << bar;
        EXPECT_EQ(CountColor(picture, picture.rect(), QColor(Qt::green)), 0) << "bar " << bar;
    }
}

}  // namespace
}  // namespace zorvik
