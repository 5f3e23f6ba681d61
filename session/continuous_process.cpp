#include "continuous_process.h"

#include "catalogue.h"
#include "duty_checks.h"
#include "numeric_entry.h"
#include "selection_run.h"

namespace zorvik {

SelectionResult ContinuousProcessSelection(Session& session, const SelectionControls& controls) {
    SelectionRun run(session, controls, ApplicationFlow);
    const SelectionFields& f = controls.fields;
    if (!run.ReadFields({
            {f.pAirDrivePsiEdit, PressureEntry, &session.AirDrivePsi},
            {f.qAirScfmEdit, FlowEntry, &session.AirAvailableScfm},
            {f.pOutletPsiEdit, PressureEntry, &session.OutletPsi},
            {f.pSupplyPsiEdit, PressureEntry, &session.InletPsi},
            {f.FlowrateReqdScfmEdit, FlowEntry, &session.FlowRequiredScfm},
        }) ||
        !run.ReadGas())
        return run.result;
    const FlowDuty duty = session.LastFlowDuty();
    run.result.flowDuty = duty;
    if (const DutyCheck check = FlowCheck(duty); check != DutyCheck::None) return run.Failed(DutyCheckText(check));

    if (controls.searchingMemo != nullptr) controls.searchingMemo->Show();
    for (const FlowCandidate& c : SearchContinuousProcess(duty)) {
        if (!c.Listed()) continue;
        run.AddRow(CatalogueRow(c.pumpNo), c.cyclesPerMin, c.delivered.airUseScfm, c.delivered.flowScfm, duty.outletPsi)
            .flow = c;
    }
    session.PumpIndex = PumpCount;
    session.SelectPump(PumpCount);
    return run.result;
}

}  // namespace zorvik
