#include "duty_search.h"

#include <cmath>
#include <limits>
#include <tuple>

#include "catalogue.h"
#include "duty_reasons.h"

namespace zorvik {
namespace {

DutyMatch MatchOf(int model, const FlowDuty& duty) {
    const TPumpRecord& pump = CatalogueRow(model);
    DutyMatch m{EvaluateForFlow(pump, duty), {}};
    m.point = EvaluateFlowDuty(pump, duty, m.candidate.requested);
    return m;
}

// How far a model is from the duty, smallest first: the kind of miss, then
// its size (drive air for a model that meets it, the shortfall for one short
// of flow or air, an unknown one last; nothing to measure for the others,
// model order decides).
std::tuple<int, double> Distance(const FlowDutyPoint& p) {
    switch (p.failedTest) {
        case DutyTest::None:
            return {0, p.unitsDriveAirScfm};
        case DutyTest::FlowShort:
        case DutyTest::AirShort:
            return {1, std::isnan(p.shortfall) ? std::numeric_limits<double>::infinity() : p.shortfall};
        case DutyTest::ModelLimits:
            return {2, 0};
        case DutyTest::GasLiquefies:
        case DutyTest::NoFlow:
            break;
    }
    return {3, 0};
}

}  // namespace

std::vector<DutyMatch> ModelsMeetingDuty(const FlowDuty& duty) {
    std::vector<DutyMatch> matches;
    for (int n = 1; n <= PumpCount; ++n) {
        DutyMatch m = MatchOf(n, duty);
        if (m.point.MeetsDuty()) matches.push_back(std::move(m));
    }
    return matches;
}

std::optional<NearestModel> NearestModelToDuty(const FlowDuty& duty, bool metric) {
    std::optional<DutyMatch> nearest;
    for (int n = 1; n <= PumpCount; ++n) {
        DutyMatch m = MatchOf(n, duty);
        if (m.Listed()) continue;
        // A strictly smaller distance only: the first model keeps a tie.
        if (!nearest || Distance(m.point) < Distance(nearest->point)) nearest = std::move(m);
    }
    if (!nearest) return std::nullopt;
    const TPumpRecord& pump = CatalogueRow(nearest->Model());
    Text text = FlowDutyReasonText(pump, duty, nearest->candidate, nearest->point, metric);
    return NearestModel{std::move(*nearest), std::move(text)};
}

}  // namespace zorvik
