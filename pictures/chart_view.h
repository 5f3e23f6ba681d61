#pragma once
// What a performance chart shows, as a value: the model, the drive and
// inlet pressures it is drawn at, its units, which window's axis rule it
// follows, and the selection's duty point or charge points where a chosen
// row is shown. A chart is drawn from its view alone and only reads it, so
// two charts never disturb each other.

#include <array>
#include <optional>
#include <span>
#include <string>

#include "catalogue.h"
#include "charge_search.h"

namespace zorvik {

// The graph window and the picture viewer differ only in model 3's outlet axis.
enum class ChartAxisRule {
    GraphWindow,
    SelectionViewer,
};

// What meeting a required flow takes of one unit: the flow, scfm, at the
// speed (% of maximum) that delivers it, on the drive air that speed uses,
// scfm.
struct ChartRequiredFlow {
    double flowScfm = 0;
    double speedPercent = 0;
    double driveAirScfm = 0;
};

// The operating point of a continuous-process row at the required outlet
// pressure, psig: the flow one unit delivers flat out there, scfm, and the
// duty's required flow, where one is asked for.
struct ChartDutyPoint {
    double outletPsi = 0;
    double flowScfm = 0;
    std::optional<ChartRequiredFlow> required = std::nullopt;
};

// The charge of a vessel-charging row: flows (scfm) at the start pressure
// and at ten equal steps to the final one (psig).
struct ChartChargePoints {
    double startPsi = 0;
    double finalPsi = 0;
    std::array<double, ChargeCurvePoints> flowScfm{};
};

struct ChartView {
    int model = 1;
    double drivePsi = 90;  // the drive pressure the curves are drawn at
    double inletPsi = 0;   // the top inlet curve's pressure
    bool bar = false;      // bar and nl/min, else psi and scfm
    ChartAxisRule axes = ChartAxisRule::GraphWindow;
    std::optional<ChartDutyPoint> duty;
    std::optional<ChartChargePoints> charge;

    const TPumpRecord& Pump() const { return CatalogueRow(model); }
};

// A view ready to draw, and the warning its caller shows (with the
// exclamation beep) before it draws; empty when there is none.
struct PreparedChart {
    ChartView view;
    Text warning;
};

// The highest gas inlet pressure the chart takes at a drive pressure, psig:
// MaxInletPsi, or |MaxInletPsi| x airDrivePsi x 0.8 for the models whose
// limit is a multiple of the drive pressure. The adjust dialog holds its
// field to the same limit, so the inlet it opens with is always accepted.
double MaxInletFor(const TPumpRecord& pump, double airDrivePsi);

// The graph window's chart of `model` (1..15) at its settings:
//   drive := graphDrivePsi, held to the model's maximum with the warning
//     "Air drive pressure is too high!\rReset to maximum air drive pressure";
//   inlet := trunc(GraphInletPsi x graphInletScale + 0.5), held to
//     MaxInletFor(drive), then to MinInletPsi, then to 5 psig at least;
//     the drive pressure for models that boost their own drive air.
PreparedChart PrepareGraphChart(int model, double graphDrivePsi, double graphInletScale, bool bar);

struct GraphAxisRange {
    double outletMaxPsi;
    double flowMaxScfm;
};

// A model whose chart has set axis ranges instead of computed ones.
struct FixedAxisRange {
    int pumpNo;
    double outletPsi;
    double flowScfm;
    bool atLeast;  // a minimum instead of a fixed value
};

// Axis maxima for the view's drive and inlet pressures: the stall outlet
// pressure, and the flow at two thirds of it (or 1.3333 x the inlet, if
// lower) at the model's maximum drive pressure; then the model's entry in
// fixedRanges, if any; then PadSmallFlowAxis; and where the top inlet curve
// starts above that, 1.1 x its starting flow.
GraphAxisRange AxisRangeWith(const ChartView& view, std::span<const FixedAxisRange> fixedRanges);

// The graph window's axis rule, and the picture viewer's (the same but for
// model 3's outlet axis: 550 psig, not 600).
GraphAxisRange GraphRange(const ChartView& view);
GraphAxisRange ComputeViewRange(const ChartView& view);

// The rule of the view's window: GraphRange or ComputeViewRange.
GraphAxisRange ChartAxisRange(const ChartView& view);

// A flow axis of 11 scfm or less gets 2 scfm more, so that the curves of the
// small models do not run along the top edge.
double PadSmallFlowAxis(double flowScfm);

}  // namespace zorvik
