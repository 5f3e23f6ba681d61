#include "nearest_model.h"

#include "catalogue.h"
#include "charge_nearest.h"
#include "duty_search.h"
#include "fixed_format.h"
#include "output.h"

namespace zorvik::cli {
namespace {

const char kNoSelections[] = "No selections";

NearestReason ReasonOf(int model, std::string text) {
    const TPumpRecord& pump = CatalogueRow(model);
    return {model, ModelName(pump.Series, pump.RatioText), std::move(text)};
}

}  // namespace

std::optional<NearestReason> NoSelectionReason(const SelectionResult& result, const Translator* reader) {
    if (!result.Completed() || !result.rows.empty()) return std::nullopt;
    if (result.IsFill()) {
        const std::optional<NearestCharge> nearest = NearestModelToCharge(result.chargeDuty, result.metric);
        if (!nearest) return std::nullopt;
        return ReasonOf(nearest->candidate.pumpNo, Say(nearest->text, reader));
    }
    const std::optional<NearestModel> nearest = NearestModelToDuty(result.flowDuty, result.metric);
    if (!nearest) return std::nullopt;
    return ReasonOf(nearest->match.Model(), Say(nearest->text, reader));
}

std::string NoSelectionText(const SelectionResult& result, const Translator* reader) {
    const std::optional<NearestReason> nearest = NoSelectionReason(result, reader);
    if (!nearest) return kNoSelections;
    return std::string(kNoSelections) + ". Nearest: " + nearest->name + " (model " + WholeNumber(nearest->model) +
           "): " + OneLine(nearest->text);
}

}  // namespace zorvik::cli
