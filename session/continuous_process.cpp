#include "continuous_process.h"

#include "catalogue.h"
#include "numeric_entry.h"
#include "shared_state.h"
#include "flow_search.h"
#include "selection_row.h"
#include "selection_run.h"

namespace zorvik {
namespace {

bool ReadInputs(const SelectionFields& f) {
    return ReadSelectionFields({
        {f.pAirDrivePsiEdit, PressureEntry, &Shared.AirDrivePsi},
        {f.qAirScfmEdit, FlowEntry, &Shared.AirAvailableScfm},
        {f.pOutletPsiEdit, PressureEntry, &Shared.OutletPsi},
        {f.pSupplyPsiEdit, PressureEntry, &Shared.InletPsi},
        {f.FlowrateReqdScfmEdit, FlowEntry, &Shared.FlowRequiredScfm},
    });
}

FlowDuty DutyFromShared() {
    return {Shared.AirDrivePsi,      Shared.AirAvailableScfm,   Shared.InletPsi,      Shared.OutletPsi,
            Shared.FlowRequiredScfm, Shared.IgnoreAirAvailable, Shared.IgnoreFlowRate};
}

// The windows read the last model's figures as the search leaves them.
void LeaveLastModelCurrent(const FlowCandidate& last) {
    Shared.PumpIndex = last.pumpNo;
    SelectPump(last.pumpNo);
    Shared.FlowScfm = last.delivered.flowScfm;
    Shared.AirUseScfm = last.delivered.airUseScfm;
    Shared.AirLimited = last.delivered.airLimited;
}

}  // namespace

SelectionResult ContinuousProcessSelection(const SelectionControls& controls) {
    TakeSelectionOptions(controls);
    SelectionResult result;
    if (!ReadInputs(controls.fields)) {
        result.stop = SelectionStop::EntryInvalid;
        return result;
    }
    const FlowDuty duty = DutyFromShared();
    if (const std::string message = FlowValidationMessage(duty); !message.empty()) return FailedValidation(message);

    if (controls.searchingMemo != nullptr) controls.searchingMemo->Show();
    const std::vector<FlowCandidate> candidates = SearchContinuousProcess(duty);
    for (const FlowCandidate& c : candidates) {
        if (!c.Listed()) continue;
        const TPumpRecord& p = CatalogueRow(c.pumpNo);
        result.rows.push_back(
            {FormatSelectionRow(p.PumpNo, p.Series, p.RatioText, c.cyclesPerMin, c.delivered.airUseScfm,
                                c.delivered.flowScfm, controls.textWidth, controls.decimalSeparator),
             p.PumpNo, p.Series, p.RatioText, c.cyclesPerMin, c.delivered.airUseScfm, c.delivered.flowScfm});
    }
    LeaveLastModelCurrent(candidates.back());
    return result;
}

}  // namespace zorvik
