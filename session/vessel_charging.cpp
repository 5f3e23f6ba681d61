#include "vessel_charging.h"

#include "catalogue.h"
#include "numeric_entry.h"
#include "shared_state.h"
#include "charge_search.h"
#include "selection_row.h"
#include "selection_run.h"

namespace zorvik {
namespace {

const char kEqualiseQuestion[] =
    "Initial outlet pressure is lower than supply pressure!\requalise pressures before starting amplifier.";

bool ReadInputs(const SelectionFields& f) {
    return ReadSelectionFields({
        {f.pAirDrivePsiEdit, PressureEntry, &Shared.AirDrivePsi},
        {f.qAirScfmEdit, FlowEntry, &Shared.AirAvailableScfm},
        {f.pSupplyPsiEdit, PressureEntry, &Shared.InletPsi},
        {f.OutStartPsiEdit, PressureEntry, &Shared.OutStartPsi},
        {f.OutFinalPsiEdit, PressureEntry, &Shared.OutFinalPsi},
        {f.OutCapacityFt3Edit, FlowEntry, &Shared.OutCapacityFt3},
    });
}

// The vessel cannot start below the supply: the gas would flow straight
// through the amplifier until the pressures are equal. False when the user
// cancels.
bool EqualiseStartPressure(const SelectionFields& f) {
    if (!(Shared.OutStartPsi < Shared.InletPsi)) return true;
    CurrentNotices().Beep();
    if (!CurrentNotices().Question(kEqualiseQuestion)) return false;
    f.OutStartPsiEdit->SetText(f.pSupplyPsiEdit->Text());
    Shared.OutStartPsi = Shared.InletPsi;
    return true;
}

ChargeDuty DutyFromShared() {
    return {Shared.AirDrivePsi, Shared.AirAvailableScfm, Shared.InletPsi,          Shared.OutStartPsi,
            Shared.OutFinalPsi, Shared.OutCapacityFt3,   Shared.IgnoreAirAvailable};
}

// The chart's charging points read the flows of every model that was
// charged; the others keep what an earlier search left.
void KeepChargeFlows(const std::vector<ChargeCandidate>& candidates) {
    for (const ChargeCandidate& c : candidates)
        if (c.charged) Shared.ChargeFlowTable[c.pumpNo - 1] = c.flowScfm;
}

}  // namespace

SelectionResult VesselChargingSelection(const SelectionControls& controls) {
    TakeSelectionOptions(controls);
    SelectionResult result;
    if (!ReadInputs(controls.fields)) {
        result.stop = SelectionStop::EntryInvalid;
        return result;
    }
    if (!EqualiseStartPressure(controls.fields)) {
        result.stop = SelectionStop::Cancelled;
        return result;
    }
    const ChargeDuty duty = DutyFromShared();
    if (const std::string message = ChargeValidationMessage(duty); !message.empty()) return FailedValidation(message);

    if (controls.searchingMemo != nullptr) controls.searchingMemo->Show();
    const std::vector<ChargeCandidate> candidates = SearchVesselCharging(duty);
    KeepChargeFlows(candidates);
    for (const ChargeCandidate& c : candidates) {
        if (!c.Listed()) continue;
        const TPumpRecord& p = CatalogueRow(c.pumpNo);
        result.rows.push_back({FormatSelectionRow(p.PumpNo, p.Series, p.RatioText, c.averageCyclesPerMin, c.driveAirScf,
                                                  c.fillMinutes, controls.textWidth, controls.decimalSeparator),
                               p.PumpNo, p.Series, p.RatioText, c.averageCyclesPerMin, c.driveAirScf, c.fillMinutes});
    }
    Shared.PumpIndex = PumpCount;
    SelectPump(PumpCount);
    return result;
}

}  // namespace zorvik
