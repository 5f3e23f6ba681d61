#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include "performance_model.h"
#include "shared_state.h"
#include "dimension_drawings.h"
#include "image_display_form.h"
#include "view_range.h"
#include "adjust_air_drive_form.h"
#include "graph_form.h"
#include "model_data_form.h"
#include "performance_chart.h"
#include "support/modal_dialog.h"

namespace zorvik {
namespace {

QImage Drawn(const std::function<void(Canvas&)>& draw) {
    QImage picture(ChartPictureWidth, ChartPictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        Canvas canvas(picture);
        draw(canvas);
    }
    return picture;
}

// A model made current from a selection list, at an operating point.
void Select(int model, double airDrivePsi, double inletPsi) {
    Shared.PumpIndex = model;
    SelectPump(model);
    Shared.AirDrivePsi = airDrivePsi;
    Shared.InletPsi = inletPsi;
}

class ViewRangeTest : public ::testing::Test {
protected:
    void SetUp() override { InitialiseSharedState(); }
};

TEST_F(ViewRangeTest, FixedAndMinimumRanges) {
    const struct {
        int model;
        double air, inlet;
        double outlet, flow;
        // clang-format off
    } cases[] = {
        {1, 90, 90, 350, 8},      {1, 125, 125, 350, 8},
        {2, 90, 90, 450, 6},      {2, 40, 40, 450, 6},     // the fixed 4 scfm, plus 2
        {3, 90, 90, 550, 5},      {3, 125, 125, 550, 5},   // 550 here, not the graph window's 600
        {4, 40, 25, 250, 40},                              // raised to the minimum ranges
        {15, 40, 25, 250, 225},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        Select(c.model, c.air, c.inlet);
        const GraphAxisRange r = SelectionViewRange();
        EXPECT_EQ(r.outletMaxPsi, c.outlet);
        EXPECT_EQ(r.flowMaxScfm, c.flow);
    }
    Select(3, 90, 90);
    EXPECT_EQ(GraphRange().outletMaxPsi, 600);
}

// The other models take the stall pressure of the operating point as the
// outlet axis, supply term included.
TEST_F(ViewRangeTest, OtherModelsRunToTheirStallPressure) {
    const struct {
        int model;
        double air, inlet, outlet;
        // clang-format off
    } cases[] = {
        {6, 100, 700, 1500},   // 15 x 100
        {9, 100, 200, 600},    // 4 x 100 + 200
        {12, 90, 135, 3267},   // 30 x 90 + 4.2 x 135
        {4, 125, 250, 369.375},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        Select(c.model, c.air, c.inlet);
        const GraphAxisRange r = SelectionViewRange();
        EXPECT_DOUBLE_EQ(r.outletMaxPsi, c.outlet);
        EXPECT_GT(r.flowMaxScfm, 0);
    }
}

TEST_F(ViewRangeTest, SmallFlowAxesGetTwoMore) {
    const std::pair<double, double> cases[] = {{11, 13}, {11.5, 11.5}, {10.999, 12.999}, {0, 2}, {225, 225}};
    for (const auto& [computed, axis] : cases) EXPECT_DOUBLE_EQ(PadSmallFlowAxis(computed), axis) << computed;
}

class ImageDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitialiseSharedState();
        QLocale::setDefault(QLocale::c());
        graph.SetSubWindows(&adjust, &modelData);
        viewer.SetGraphWindow(&graph);
    }

    // Opens the viewer as the selection window does and reads what it shows.
    QImage View(std::uint8_t mode) {
        Shared.DisplayMode = mode;
        viewer.show();
        QApplication::processEvents();
        return viewer.ShownPicture();
    }
    QPushButton* Button(const char* name) { return viewer.findChild<QPushButton*>(QString::fromLatin1(name)); }
    void Flip() { QTest::mouseClick(Button("flipUnitsBitBtn"), Qt::LeftButton); }

    static QImage ModelDrawingIn(std::uint8_t mode) {
        Shared.DisplayMode = mode;
        return Drawn([](Canvas& c) { DrawModelDrawing(c); });
    }
    // The chart as a selection shows it, with its operating point.
    QImage SelectionChartIn(std::uint8_t mode) {
        Shared.DisplayMode = mode;
        const GraphAxisRange r = SelectionViewRange();
        return Drawn([&](Canvas& c) { DrawPerformanceGraph(c, 50, 384, r.outletMaxPsi, r.flowMaxScfm); });
    }

    TAdjustAirDriveForm adjust;
    TmodelDataForm modelData;
    TzampGraph1Form graph;
    TimageDisplayForm viewer;
};

TEST_F(ImageDisplayTest, LayoutOfTheWindow) {
    View(DisplayDrawingMm);
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Zorvik Air Pressure Amplifiers - Selected Model"));
    EXPECT_EQ(viewer.size(), QSize(792, 573));
    EXPECT_EQ(viewer.findChild<QWidget*>(QStringLiteral("PerformanceGraphImage"))->geometry(), QRect(88, 32, 617, 485));
    const std::tuple<const char*, const char*, int> buttons[] = {
        {"printBitBtn", "&Print", 436},
        {"CopyToClipboardBitBtn", "&Copy", 528},
        {"flipUnitsBitBtn", "&Flip Units", 608},
        {"OkBitBtn", "&OK", 712},
    };
    for (const auto& [name, caption, x] : buttons) {
        EXPECT_EQ(Button(name)->text(), QString::fromLatin1(caption));
        EXPECT_EQ(Button(name)->pos(), QPoint(x, 544));
        QPushButton* b = Button(name);
        const int content =
            b->fontMetrics().horizontalAdvance(b->text().remove(QLatin1Char('&'))) + b->iconSize().width();
        EXPECT_LE(content + 12, b->width()) << name;
    }
    EXPECT_EQ(Button("CopyToClipboardBitBtn")->toolTip(), QStringLiteral("Copy Image to Clipboard"));
    QTest::mouseClick(Button("OkBitBtn"), Qt::LeftButton);
    EXPECT_FALSE(viewer.isVisible());
}

TEST_F(ImageDisplayTest, ShowsTheDrawingAndFlipsItsUnits) {
    Select(8, 90, 150);
    const QImage inches = View(DisplayDrawingInches);
    EXPECT_EQ(inches, ModelDrawingIn(DisplayDrawingInches));
    EXPECT_EQ(graph.PerformanceGraphImage(), inches);
    Flip();
    EXPECT_EQ(Shared.DisplayMode, DisplayDrawingMm);
    EXPECT_EQ(viewer.ShownPicture(), ModelDrawingIn(DisplayDrawingMm));
    Shared.DisplayMode = DisplayDrawingMm;
    Flip();
    EXPECT_EQ(Shared.DisplayMode, DisplayDrawingInches);
    EXPECT_EQ(viewer.ShownPicture(), inches);
}

TEST_F(ImageDisplayTest, ShowsTheSelectionsChartAndFlipsItsUnits) {
    Select(9, 100, 200);
    Shared.ApplicationType = ApplicationFlow;
    Shared.OutletPsi = 450;
    Shared.FlowScfm = 12;
    const QImage psi = View(DisplayChartPsi);
    EXPECT_TRUE(Shared.ShowChargeCurve);
    EXPECT_EQ(viewer.ViewStallOutletPsi, 600);
    EXPECT_EQ(psi, SelectionChartIn(DisplayChartPsi));
    EXPECT_EQ(graph.PerformanceGraphImage(), psi);

    Flip();
    EXPECT_EQ(Shared.DisplayMode, DisplayChartBar);
    EXPECT_EQ(viewer.ShownPicture(), SelectionChartIn(DisplayChartBar));
    Shared.DisplayMode = DisplayChartBar;
    Flip();
    EXPECT_EQ(Shared.DisplayMode, DisplayChartPsi);
    EXPECT_EQ(viewer.ShownPicture(), psi);

    // The overlay marks the operating point: without it the chart differs.
    Shared.ShowChargeCurve = false;
    const GraphAxisRange r = SelectionViewRange();
    EXPECT_NE(psi, Drawn([&](Canvas& c) { DrawPerformanceGraph(c, 50, 384, r.outletMaxPsi, r.flowMaxScfm); }));
}

TEST_F(ImageDisplayTest, AnyOtherModeKeepsThePicture) {
    Select(5, 90, 100);
    const QImage drawing = View(DisplayDrawingMm);
    viewer.close();
    EXPECT_EQ(View(DisplayNothing), drawing);
    Flip();
    EXPECT_EQ(Shared.DisplayMode, DisplayNothing);
    EXPECT_EQ(viewer.ShownPicture(), drawing);
}

TEST_F(ImageDisplayTest, CopyPutsTheShownPictureOnTheClipboard) {
    Select(15, 100, 100);
    View(DisplayChartBar);
    QTest::mouseClick(Button("CopyToClipboardBitBtn"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), viewer.ShownPicture());
}

TEST_F(ImageDisplayTest, PrintAsksThePrintDialogAndACancelPrintsNothing) {
    Select(5, 90, 100);
    View(DisplayDrawingMm);
    QString asked;
    const testing::ModalDialog printDialog([&](QWidget* dialog) {
        asked = QString::fromLatin1(dialog->metaObject()->className());
        dialog->close();
    });
    QTest::mouseClick(Button("printBitBtn"), Qt::LeftButton);
    EXPECT_EQ(asked, QStringLiteral("QPrintDialog"));
    EXPECT_TRUE(viewer.isVisible());
}

}  // namespace
}  // namespace zorvik
