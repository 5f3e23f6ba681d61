#include "comparison_curves.h"

#include <algorithm>

#include "catalogue.h"
#include "gases.h"
#include "units.h"
#include "comparison_units.h"

#include "model_limits.h"
#include "text.h"

namespace zorvik {
namespace {

constexpr int kFlowSamples = 41;

double Pressure(double psig, bool metric) { return metric ? psig / units::PsiPerBar : psig; }
double GasFlow(double scfm, bool metric) { return metric ? scfm * units::LitresPerCubicFoot : scfm; }

Text Labelled(const Text& what, const char* unit) { return what + ", " + unit; }

ChartLine FlowLine(const FlowComparisonRow& row, const FlowDuty& duty, bool metric) {
    const TPumpRecord& pump = CatalogueRow(row.Model());
    ChartLine line{row.Model(), row.name, row.Listed(), {}};
    // Up to where the model really stops (a two-stage model whose interstage
    // stalls stops well before its stall formula says), never below the inlet.
    const double top = std::max(duty.inletPsi, ModelStallOutletPsi(pump, duty.drivePsi, duty.inletPsi));
    FlowDuty at = duty;
    for (int i = 0; i < kFlowSamples; ++i) {
        at.outletPsi = duty.inletPsi + (top - duty.inletPsi) * i / (kFlowSamples - 1);
        const double flow = EvaluateForFlow(pump, at).delivered.flowScfm;
        if (flow > NoFlowScfm) line.points.push_back({Pressure(at.outletPsi, metric), GasFlow(flow, metric)});
    }
    return line;
}

}  // namespace

ComparisonChartData FlowChartData(const std::vector<FlowComparisonRow>& rows, const FlowDuty& duty, bool metric) {
    ComparisonChartData chart;
    const std::string drive = PressureText(duty.drivePsi, metric);
    const std::string inlet = PressureText(duty.inletPsi, metric);
    chart.title =
        duty.gas == Gas::Air
            ? Tr("Comparison", "Delivered flow against outlet pressure at %1 drive, %2 inlet").With({drive, inlet})
            : Tr("Comparison", "Delivered %1 flow against outlet pressure at %2 drive, %3 inlet")
                  .With({GasNameInSentence(duty.gas), drive, inlet});
    chart.xLabel = Labelled(Tr("Comparison", "Outlet pressure"), PressureUnit(metric));
    chart.yLabel = Labelled(Tr("Comparison", "Delivered flow"), GasFlowUnit(metric));
    chart.logY = true;
    for (const FlowComparisonRow& r : rows) {
        chart.lines.push_back(FlowLine(r, duty, metric));
        for (const ChartPoint& p : chart.lines.back().points) chart.xMax = std::max(chart.xMax, p[0]);
    }
    chart.xMax = std::max(chart.xMax, Pressure(duty.outletPsi, metric));
    if (!duty.ignoreFlowRate && duty.flowRequiredScfm > 0) {
        chart.marker = ChartPoint{Pressure(duty.outletPsi, metric), GasFlow(duty.flowRequiredScfm, metric)};
        chart.markerLabel =
            Tr("Comparison", "Required: %1 at %2")
                .With({GasFlowText(duty.flowRequiredScfm, metric), PressureText(duty.outletPsi, metric)});
    }
    return chart;
}

ComparisonChartData FillChartData(const std::vector<ChargeComparisonRow>& rows, bool metric) {
    ComparisonChartData chart;
    chart.title = Tr("Comparison", "Vessel pressure against time");
    chart.xLabel = Tr("Comparison", "Time, minutes");
    chart.yLabel = Labelled(Tr("Comparison", "Vessel pressure"), PressureUnit(metric));
    double listedMax = 0;
    double chargedMax = 0;
    for (const ChargeComparisonRow& r : rows) {
        ChartLine line{r.Model(), r.name, r.Listed(), {}};
        for (const FillCurvePoint& p : r.curve) line.points.push_back({p.minutes, Pressure(p.psig, metric)});
        if (!r.curve.empty()) {
            chargedMax = std::max(chargedMax, r.curve.back().minutes);
            if (r.Listed()) listedMax = std::max(listedMax, r.curve.back().minutes);
        }
        chart.lines.push_back(std::move(line));
    }
    chart.xMax = listedMax > 0 ? listedMax : chargedMax;
    return chart;
}

}  // namespace zorvik
