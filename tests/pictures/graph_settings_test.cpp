#include <gtest/gtest.h>

#include <QLocale>

#include "shared_state.h"
#include "chart_pictures.h"
#include "graph_settings.h"
#include "performance_chart.h"
#include "support/notice_recorder.h"

namespace zorvik {
namespace {

using testing::CountColor;
using testing::NoticeKind;
using testing::NoticeRecorder;

const std::string kTooHigh = "Air drive pressure is too high!\rReset to maximum air drive pressure";

class GraphSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitialiseSharedState();
        QLocale::setDefault(QLocale::c());
    }
};

// Stands in for the graph window.
class FakeGraphWindow final : public GraphWindowSurface {
public:
    QImage picture{ChartPictureWidth, ChartPictureHeight, QImage::Format_RGB32};
    QString caption;
    int captions = 0;
    void ShowPicture(const PictureDrawing& drawing) override {
        Canvas canvas(picture);
        drawing(canvas);
    }
    void SetDrivePressureCaption(const QString& text) override {
        caption = text;
        ++captions;
    }
};

TEST_F(GraphSettingsTest, OperatingPointFromTheGraphSettings) {
    const struct {
        int model;
        double drive, scale;
        double airDrive, inlet, maxInlet;
        // clang-format off
    } cases[] = {
        {6, 90, 1, 90, 700, 2250},
        {6, 90, 10, 90, 2250, 2250},        // held to the model's inlet limit
        {6, 90, 0.0001, 90, 50, 2250},      // raised to its minimum inlet
        {10, 90, 0.50062, 90, 400, 2500},   // 400.496 + 0.5 truncated
        {10, 90, 0.500625, 90, 401, 2500},
        {12, 90, 1, 90, 135, 144},          // inlet limit 2 x drive x 0.8
        {12, 90, 2, 90, 144, 144},
        {12, 150, 2, 150, 240, 240},
        {1, 90, 1, 90, 90, 125},            // boosts its own drive air
        {3, 40, 0.2, 40, 40, 125},
    };
    // clang-format on
    for (const auto& c : cases) {
        InitialiseSharedState();
        SelectPump(c.model);
        Shared.GraphAirDrivePsi = c.drive;
        Shared.GraphInletScale = c.scale;
        ApplyGraphSettings();
        EXPECT_DOUBLE_EQ(Shared.AirDrivePsi, c.airDrive) << "model " << c.model << " scale " << c.scale;
        EXPECT_DOUBLE_EQ(Shared.InletPsi, c.inlet) << "model " << c.model << " scale " << c.scale;
        EXPECT_DOUBLE_EQ(Shared.GraphMaxInletPsi, c.maxInlet) << "model " << c.model << " scale " << c.scale;
    }
}

TEST_F(GraphSettingsTest, DriveAboveTheMaximumIsDrawnAtTheMaximumWithAWarning) {
    NoticeRecorder notices;
    notices.Expect(NoticeKind::Warning, kTooHigh);
    SelectPump(15);  // 130 psig at most
    Shared.GraphAirDrivePsi = 140;
    FakeGraphWindow window;
    DrawGraphSettings(window);
    EXPECT_EQ(notices.Beeps(), 1);
    EXPECT_DOUBLE_EQ(Shared.AirDrivePsi, 130);
    EXPECT_DOUBLE_EQ(Shared.GraphAirDrivePsi, 140);  // the next model starts from it again
    EXPECT_EQ(window.caption, "Air drive pressure  130 Psig");

    // A model that takes 140 psig draws at it, silently.
    SelectPump(10);
    DrawGraphSettings(window);
    EXPECT_DOUBLE_EQ(Shared.AirDrivePsi, 140);
    EXPECT_EQ(notices.Beeps(), 1);
}

TEST_F(GraphSettingsTest, DriveAtTheMaximumIsNoWarning) {
    NoticeRecorder notices;
    SelectPump(15);
    Shared.GraphAirDrivePsi = 130;
    ApplyGraphSettings();
    EXPECT_EQ(notices.Beeps(), 0);
    EXPECT_DOUBLE_EQ(Shared.AirDrivePsi, 130);
}

TEST_F(GraphSettingsTest, AxisRangesPerModel) {
    const struct {
        int model;
        double outlet, flow;
        // clang-format off
    } cases[] = {
        {1, 350, 8},             // fixed 6 scfm, + 2
        {2, 450, 6},
        {3, 600, 5},
        {4, 250, 40},            // stall 187.15 psig raised to 250; flow raised to 40
        {15, 250, 225},          // stall 190 psig raised to 250
        {5, 730, 9.154514},      // flow at 133.33 psig and 150 psig drive, + 2
        {6, 1350, 19.435867},    // flow at 900 psig and 150 psig drive, above 11: nothing added
    };
    // clang-format on
    for (const auto& c : cases) {
        InitialiseSharedState();
        SelectPump(c.model);
        ApplyGraphSettings();
        const GraphAxisRange r = GraphRange();
        EXPECT_NEAR(r.outletMaxPsi, c.outlet, 1e-6) << "model " << c.model;
        EXPECT_NEAR(r.flowMaxScfm, c.flow, 1e-6) << "model " << c.model;
    }
}

TEST_F(GraphSettingsTest, DrawsIntoTheWindowPictureAndSetsTheCaption) {
    NoticeRecorder notices;
    const struct {
        std::uint8_t mode;
        QString caption;
    } cases[] = {{DisplayChartPsi, "Air drive pressure  90 Psig"}, {DisplayChartBar, "Air drive pressure  6.2 barg"}};
    for (const auto& c : cases) {
        Shared.DisplayMode = c.mode;
        FakeGraphWindow window;
        window.picture.fill(Qt::green);
        DrawGraphSettings(window);
        EXPECT_EQ(window.caption, c.caption);
        EXPECT_EQ(window.captions, 1);
        EXPECT_EQ(QColor(window.picture.pixel(0, 0)), colors::Black);  // frame
        EXPECT_EQ(QColor(window.picture.pixel(616, 460)), colors::Black);
        EXPECT_EQ(CountColor(window.picture, window.picture.rect(), QColor(Qt::green)), 0);
    }
}

}  // namespace
}  // namespace zorvik
