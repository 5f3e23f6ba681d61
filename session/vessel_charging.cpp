#include "vessel_charging.h"

#include "catalogue.h"
#include "duty_checks.h"
#include "numeric_entry.h"
#include "selection_run.h"
#include "text.h"

namespace zorvik {
namespace {

// The vessel cannot start below the supply: the gas would flow straight
// through the amplifier until the pressures are equal. False when the user
// cancels.
bool EqualiseStartPressure(SelectionRun& run) {
    Session& s = run.session;
    if (!(s.OutStartPsi < s.InletPsi)) return true;
    run.notices().Beep();
    const Text question =
        Tr("Entry",
           "Initial outlet pressure is lower than supply pressure!\requalise pressures before starting amplifier.");
    if (!run.notices().Question(question)) return false;
    const SelectionFields& f = run.controls.fields;
    f.OutStartPsiEdit->SetText(f.pSupplyPsiEdit->Text());
    s.OutStartPsi = s.InletPsi;
    return true;
}

}  // namespace

SelectionResult VesselChargingSelection(Session& session, const SelectionControls& controls) {
    SelectionRun run(session, controls, ApplicationFillCylinder);
    const SelectionFields& f = controls.fields;
    if (!run.ReadFields({
            {f.pAirDrivePsiEdit, PressureEntry, &session.AirDrivePsi},
            {f.qAirScfmEdit, FlowEntry, &session.AirAvailableScfm},
            {f.pSupplyPsiEdit, PressureEntry, &session.InletPsi},
            {f.OutStartPsiEdit, PressureEntry, &session.OutStartPsi},
            {f.OutFinalPsiEdit, PressureEntry, &session.OutFinalPsi},
            {f.OutCapacityFt3Edit, FlowEntry, &session.OutCapacityFt3},
        }) ||
        !run.ReadGas())
        return run.result;
    if (!EqualiseStartPressure(run)) {
        run.result.stop = SelectionStop::Cancelled;
        return run.result;
    }
    const ChargeDuty duty = session.LastChargeDuty();
    run.result.chargeDuty = duty;
    if (const DutyCheck check = ChargeCheck(duty); check != DutyCheck::None) return run.Failed(DutyCheckText(check));

    if (controls.searchingMemo != nullptr) controls.searchingMemo->Show();
    for (const ChargeCandidate& c : SearchVesselCharging(duty)) {
        if (!c.Listed()) continue;
        run.AddRow(CatalogueRow(c.pumpNo), c.averageCyclesPerMin, c.driveAirScf, c.fillMinutes, duty.finalPsi).charge =
            c;
    }
    session.PumpIndex = PumpCount;
    session.SelectPump(PumpCount);
    return run.result;
}

}  // namespace zorvik
