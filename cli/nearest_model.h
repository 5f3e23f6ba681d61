#pragma once
// Why a run lists no model: the model that came nearest and the first test
// it fails, so that an empty list still says what to change.

#include <optional>
#include <string>

#include "selection_result.h"

namespace zorvik::cli {

struct NearestReason {
    int model = 0;
    std::string name;  // series and ratio, without trailing blanks
    std::string text;  // in the run's units
};

// For a completed run: flow, the engine's model nearest to the duty; fill,
// of the models left out the one that charged the vessel quickest (it
// fails a test after the charge), else the first one. Nothing when the run
// lists a model.
std::optional<NearestReason> NoSelectionReason(const SelectionResult& result, const Translator* reader);

// "No selections. Nearest: RB-15 (model 6): <text>", on one line.
std::string NoSelectionText(const SelectionResult& result, const Translator* reader);

}  // namespace zorvik::cli
