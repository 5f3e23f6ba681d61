#include "nearest_model.h"

#include "catalogue.h"
#include "comparison_reasons.h"
#include "duty_search.h"
#include "output.h"

namespace zorvik::cli {
namespace {

const char kNoSelections[] = "No selections";

NearestReason ReasonOf(int model, std::string text) {
    const TPumpRecord& pump = CatalogueRow(model);
    return {model, ModelName(pump.Series, pump.RatioText), std::move(text)};
}

std::optional<NearestReason> NearestCharge(const ChargeDuty& duty, bool metric) {
    std::optional<ChargeCandidate> nearest;
    for (const ChargeCandidate& c : SearchVesselCharging(duty)) {
        if (c.Listed()) return std::nullopt;
        if (!nearest || (c.charged && (!nearest->charged || c.fillMinutes < nearest->fillMinutes))) nearest = c;
    }
    return ReasonOf(nearest->pumpNo, ChargeRejectionText(CatalogueRow(nearest->pumpNo), duty, *nearest, metric));
}

}  // namespace

std::optional<NearestReason> NoSelectionReason(const SelectionResult& result) {
    if (!result.Completed() || !result.rows.empty()) return std::nullopt;
    if (result.IsFill()) return NearestCharge(result.chargeDuty, result.metric);
    const std::optional<NearestModel> nearest = NearestModelToDuty(result.flowDuty, result.metric);
    if (!nearest) return std::nullopt;
    return ReasonOf(nearest->match.Model(), nearest->text);
}

std::string NoSelectionText(const SelectionResult& result) {
    const std::optional<NearestReason> nearest = NoSelectionReason(result);
    if (!nearest) return kNoSelections;
    return std::string(kNoSelections) + ". Nearest: " + nearest->name + " (model " + std::to_string(nearest->model) +
           "): " + OneLine(nearest->text);
}

}  // namespace zorvik::cli
