#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "units.h"
#include "chart_scale.h"

namespace zorvik {
namespace {

TEST(TickStepTest, StepAndCountByRange) {
    const struct {
        int n, step, count;
        // clang-format off
    } cases[] = {
        {0, 1, 0},         {7, 1, 7},           {9, 1, 9},          {10, 2, 5},        {19, 2, 10},
        {20, 4, 5},        {29, 4, 8},          {30, 5, 6},         {49, 5, 10},       {50, 8, 7},
        {55, 8, 7},        {69, 8, 9},          {70, 10, 7},        {119, 10, 12},     {120, 20, 6},
        {299, 20, 15},     {300, 50, 6},        {799, 50, 16},      {800, 100, 8},     {1350, 100, 14},
        {1499, 100, 15},   {1500, 200, 8},      {2499, 200, 13},    {2500, 500, 5},    {5999, 500, 12},
        {6000, 1000, 6},   {11999, 1000, 12},   {12000, 2000, 6},   {19999, 2000, 10}, {20000, 2500, 8},
        {24999, 2500, 10}, {25000, 5000, 5},    {49999, 5000, 10},  {50000, 10000, 5}, {50001, 20000, 3},
        {60000, 20000, 3}, {INT_MAX, 20000, 107375},
        // Below 0 the count comes out 0 or negative: no ticks.
        {-1, 10000, 0},    {-25000, 10000, -1},
    };
    // clang-format on
    for (const auto& c : cases) {
        const TickSpacing t = TickStep(c.n);
        EXPECT_EQ(t.step, c.step) << "n = " << c.n;
        EXPECT_EQ(t.count, c.count) << "n = " << c.n;
    }
}

TEST(InletStepTest, LargestRoundStepThatFitsFourAndAHalfTimes) {
    const struct {
        double inletPsi, step;
    } psi[] = {{100, 20}, {150, 25}, {700, 150}, {4.5, 1}, {4, 1}, {44999, 7500}, {45000, 10000}, {NAN, 1}};
    for (const auto& c : psi) EXPECT_EQ(NiceInletStep(c.inletPsi), c.step) << c.inletPsi;

    const struct { double inletPsi, stepBar; } bar[] = {{100, 1.5}, {1, 0.5}, {2000, 30}, {29.25 * 14.50377, 6}};
    for (const auto& c : bar)
        EXPECT_NEAR(NiceInletStepBar(c.inletPsi), c.stepBar * units::PsiPerBar, 1e-9) << c.inletPsi;
}

TEST(InletPressuresTest, TheInletThenFourLowerCurves) {
    const struct {
        double inletPsi;
        bool bar;
        double p[5];
        // clang-format off
    } cases[] = {
        {100, false, {100, 80, 60, 40, 20}},
        {150, false, {150, 125, 100, 75, 50}},  // 6 steps fit: the lowest curve is two steps up
        {110, false, {110, 100, 80, 60, 40}},   // 5.5 steps fit exactly
        {700, false, {700, 600, 450, 300, 150}},
        {100, true, {100, 87.02262, 65.266965, 43.51131, 21.755655}},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto p = InletPressures(c.inletPsi, c.bar);
        for (int j = 0; j < 5; ++j) EXPECT_NEAR(p[j], c.p[j], 1e-9) << c.inletPsi << " curve " << j;
    }
}

TEST(ChartAxesTest, PixelsOfPressuresAndFlows) {
    // Model 1's fixed chart: 0-350 psi in steps of 50, 0-8 scfm in steps of 1.
    const ChartAxes psi = MakeChartAxes(50, 384, 350, 8, false);
    EXPECT_EQ(psi.x.step, 50);
    EXPECT_EQ(psi.x.count, 7);
    EXPECT_DOUBLE_EQ(psi.XUnitsPerPixel, 350.0 / 520);
    EXPECT_DOUBLE_EQ(psi.YUnitsPerPixel, 8.0 / 312);
    EXPECT_EQ(psi.PressureOffset(330), 490);  // 490.29
    EXPECT_EQ(psi.PressureX(330), 540);
    EXPECT_EQ(psi.FlowOffset(5.05), 196);  // 196.95 truncated
    EXPECT_EQ(psi.FlowOffsetRounded(5.05), 197);
    EXPECT_EQ(psi.FlowY(5.05), 188);

    // The same in bar: 24 bar (350 / 14.50377 truncated) in steps of 4,
    // 226 nl/min (8 x 28.317 truncated) in steps of 20 up to 240.
    const ChartAxes bar = MakeChartAxes(50, 384, 350, 8, true);
    EXPECT_EQ(bar.x.step, 4);
    EXPECT_EQ(bar.x.count, 6);
    EXPECT_EQ(bar.y.step, 20);
    EXPECT_EQ(bar.y.count, 12);
    EXPECT_EQ(bar.PressureOffset(100), 149);  // 6.8948 bar / (24 / 520) = 149.39
    EXPECT_EQ(bar.FlowOffset(2), 73);         // 56.634 nl/min / (240 / 312) = 73.62
    EXPECT_EQ(bar.FlowOffsetRounded(2), 74);
}

// The pressure axis reaches the top curve: the bar axis, counted from the
// whole bar below the maximum, takes a tick more where it would end short
// of the curve; an inlet above its own stall widens either axis to it.
TEST(ChartAxesTest, ThePressureAxisReachesTheTopCurve) {
    const struct {
        double outletMaxPsi, curvesEndPsi;
        bool bar;
        int step, count;
        // clang-format off
    } cases[] = {
        {240, 240, true, 2, 9},       // 16.55 bar: 16 would end short
        {240, 0, true, 2, 8},         // no curve given: as before
        {350, 225, true, 4, 6},       // a fixed range beyond the curve: 24 bar
        {232, 232, true, 2, 8},       // 15.996 bar: the whole-bar axis suffices
        {300.3, 300.3, false, 50, 6}, // psi: within half a psi of the axis end
        {560, 1050, false, 100, 11},  // inlet above its stall
        {560, 1050, true, 10, 8},     // 72.4 bar
    };
    // clang-format on
    for (const auto& c : cases) {
        const ChartAxes a = MakeChartAxes(50, 384, c.outletMaxPsi, 10, c.bar, c.curvesEndPsi);
        EXPECT_EQ(a.x.step, c.step) << c.outletMaxPsi << " " << c.curvesEndPsi << (c.bar ? " bar" : " psi");
        EXPECT_EQ(a.x.count, c.count) << c.outletMaxPsi << " " << c.curvesEndPsi << (c.bar ? " bar" : " psi");
        if (c.curvesEndPsi > 0) {
            EXPECT_LE(a.PressureOffset(c.curvesEndPsi), ChartAxisLengthX);
        }
    }
}

TEST(ChartAxesTest, AnAxisWithoutLengthLeavesNothingToDraw) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double outlet, flow;
    } empty[] = {{0, 8}, {0.4, 8}, {-350, 8}, {nan, 8}, {-inf, 8}, {350, 0}, {350, 0.3}, {350, -1}, {350, nan}};
    for (const auto& c : empty) {
        EXPECT_FALSE(MakeChartAxes(50, 384, c.outlet, c.flow, false).Drawable()) << c.outlet << " " << c.flow;
    }
    EXPECT_TRUE(MakeChartAxes(50, 384, 1, 1, false).Drawable());
}

// Left alone, a maximum of 1e12 psi would be converted to a whole number
// out of range (undefined) and an axis of 2^31 would count 107,375 ticks.
TEST(ChartAxesTest, HugeMaximaStayWithinFiftyTicks) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double maximum : {1e6, 1e7, 1e12, 1e300, inf}) {
        const ChartAxes a = MakeChartAxes(50, 384, maximum, maximum, false);
        EXPECT_TRUE(a.Drawable()) << maximum;
        EXPECT_LE(a.x.count, 50) << maximum;
        EXPECT_LE(a.y.count, 50) << maximum;
    }
}

TEST(ChartAxesTest, PointsFarOffThePictureAreHeldNearIt) {
    const ChartAxes a = MakeChartAxes(50, 384, 350, 8, false);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(a.PressureOffset(1e300), ChartFarPixels);
    EXPECT_EQ(a.PressureOffset(-inf), -ChartFarPixels);
    EXPECT_EQ(a.FlowOffset(1e15), ChartFarPixels);
    EXPECT_EQ(a.FlowOffsetRounded(-1e15), -ChartFarPixels);
    EXPECT_EQ(a.PressureOffset(nan), 0);
    EXPECT_EQ(a.FlowOffset(nan), 0);
    EXPECT_EQ(a.FlowOffsetRounded(nan), 0);
}

}  // namespace
}  // namespace zorvik
