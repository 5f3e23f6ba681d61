#include "charge_nearest.h"

#include <tuple>

#include "catalogue.h"
#include "comparison_reasons.h"
#include "performance_model.h"

namespace zorvik {
namespace {

// Smaller is nearer: a charged model by its fill time, then any other by
// how far its stall pressure falls short of the final pressure.
std::tuple<int, double> Distance(const ChargeCandidate& c, const ChargeDuty& duty) {
    if (c.charged) return {0, c.fillMinutes};
    const double stallPsi = ModelStallOutletPsi(CatalogueRow(c.pumpNo), duty.drivePsi, duty.inletPsi);
    return {1, duty.finalPsi - stallPsi};
}

}  // namespace

std::optional<NearestCharge> NearestModelToCharge(const ChargeDuty& duty, bool metric) {
    std::optional<ChargeCandidate> nearest;
    for (const ChargeCandidate& c : SearchVesselCharging(duty)) {
        if (c.Listed()) continue;
        if (!nearest || Distance(c, duty) < Distance(*nearest, duty)) nearest = c;
    }
    if (!nearest) return std::nullopt;
    Text text = ChargeRejectionText(CatalogueRow(nearest->pumpNo), duty, *nearest, metric);
    return NearestCharge{*nearest, std::move(text)};
}

}  // namespace zorvik
