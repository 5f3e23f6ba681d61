// The saturation chart's figures come from the moisture relation before
// anything is drawn: every line passes through its own dewpoint at the
// dryer pressure and rises with temperature, and each example's mark is
// where its line crosses the example temperature.

#include <gtest/gtest.h>

#include "saturation_lines.h"

namespace zorvik {
namespace {

TEST(SaturationLinesTest, LinesThroughTheirDewpointsAndTheExamplesOnThem) {
    const struct {
        TemperatureScale scale;
        double dryerGauge;
        std::vector<bool> examplesAbove;
    } cases[] = {{TemperatureScale::Celsius, 7, {false, false, true}},
                 {TemperatureScale::Fahrenheit, 100, {false, false, true}}};
    for (const auto& c : cases) {
        const SaturationChartData chart = SaturationChartOf(c.scale);
        EXPECT_EQ(chart.dryerGauge, c.dryerGauge);
        ASSERT_EQ(chart.lines.size(), 5u);
        for (const SaturationLine& line : chart.lines) {
            ASSERT_GT(line.points.size(), 2u);
            for (std::size_t i = 1; i < line.points.size(); ++i)
                EXPECT_GT(line.points[i].pressure, line.points[i - 1].pressure) << line.dewpoint;
            // The sample nearest the dewpoint lies on the dryer pressure, to the sampling step.
            const auto near = std::min_element(line.points.begin(), line.points.end(), [&](auto& a, auto& b) {
                return std::abs(a.temperature - line.dewpoint) < std::abs(b.temperature - line.dewpoint);
            });
            EXPECT_NEAR(near->temperature, line.dewpoint, 1e-6) << line.dewpoint;
            EXPECT_NEAR(near->pressure, c.dryerGauge, c.dryerGauge * 1e-6) << line.dewpoint;
            EXPECT_LE(line.points.size(), 401u);
        }
        ASSERT_EQ(chart.examples.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(chart.examples[i].number, static_cast<int>(i) + 1);
            EXPECT_EQ(chart.examples[i].aboveChart, c.examplesAbove[i]) << i;
            EXPECT_EQ(chart.examples[i].aboveChart, chart.examples[i].pressure > chart.maxPressure) << i;
        }
    }
}

}  // namespace
}  // namespace zorvik
