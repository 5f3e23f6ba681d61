#include "selection_run.h"

#include "numeric_entry.h"
#include "shared_state.h"

namespace zorvik {

void TakeSelectionOptions(const SelectionControls& controls) {
    Shared.IgnoreAirAvailable = controls.disableAirQtyLimitChecked;
    Shared.IgnoreFlowRate = controls.disableFlowrateLimitChecked;
}

bool ReadSelectionFields(std::initializer_list<FieldToRead> fields) {
    for (const FieldToRead& f : fields) {
        *f.target = ReadEntryField(*f.field, f.kind);
        if (!Shared.EntryValid) return false;
    }
    return true;
}

SelectionResult FailedValidation(const std::string& message) {
    CurrentNotices().Beep();
    CurrentNotices().Error(message);
    SelectionResult result;
    result.stop = SelectionStop::ValidationFailed;
    result.message = message;
    return result;
}

}  // namespace zorvik
