#pragma once
// What the comparison's charts plot, in the units the window shows: one line
// per model, and the point the duty asks for.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "comparison.h"
#include "text.h"

namespace zorvik {

using ChartPoint = std::array<double, 2>;  // x, y

struct ChartLine {
    int model = 0;
    std::string name;
    bool listed = false;
    std::vector<ChartPoint> points;
};

struct ComparisonChartData {
    Text title;
    Text xLabel;
    Text yLabel;
    bool logY = false;  // flows of the range span four decades
    std::vector<ChartLine> lines;
    std::optional<ChartPoint> marker;  // the duty's required point
    Text markerLabel;
    double xMax = 0;  // the plotted x range ends here (lines may run past it)
};

// Delivered flow, after the air limit as the list applies it, against outlet
// pressure from the inlet pressure up to the stall pressure at the duty's
// drive; points that deliver nothing are left out. The required outlet and
// flow are the marker.
ComparisonChartData FlowChartData(const std::vector<FlowComparisonRow>& rows, const FlowDuty& duty, bool metric);

// Vessel pressure against time from each model's ten steps, so each line
// ends at its fill time. The time axis reaches the slowest listed model
// (all charged models when none is listed).
ComparisonChartData FillChartData(const std::vector<ChargeComparisonRow>& rows, bool metric);

}  // namespace zorvik
