#include "selection/continuous_process.h"

#include "core/catalogue.h"
#include "core/numeric_entry.h"
#include "core/performance_model.h"
#include "core/shared_state.h"
#include "selection/air_limit.h"
#include "selection/model_limits.h"
#include "selection/selection_row.h"
#include "selection/selection_run.h"

namespace zorvik {
namespace {

constexpr double kMinDrivePsi = 40;
constexpr double kMaxDrivePsi = 150;
constexpr double kNoFlowScfm = 0.0011;  // OutletFlow's token 0.001 scfm means "cannot deliver"

bool ReadInputs(const SelectionFields& f) {
    return ReadSelectionFields({
        {f.pAirDrivePsiEdit, PressureEntry, &Shared.AirDrivePsi},
        {f.qAirScfmEdit, FlowEntry, &Shared.AirAvailableScfm},
        {f.pOutletPsiEdit, PressureEntry, &Shared.OutletPsi},
        {f.pSupplyPsiEdit, PressureEntry, &Shared.InletPsi},
        {f.FlowrateReqdScfmEdit, FlowEntry, &Shared.FlowRequiredScfm},
    });
}

// The message of the last failing check, or empty when all pass.
std::string ValidationMessage() {
    std::string message;
    if (!(Shared.FlowRequiredScfm > 0)) message = "Flow rate cannot be zero!\rNo Amplifier needed.";
    if (Shared.AirDrivePsi < kMinDrivePsi) message = "Drive air pressure is too low!";
    if (Shared.AirDrivePsi > kMaxDrivePsi) message = "Drive air pressure is too high!";
    if (Shared.OutletPsi < Shared.InletPsi) message = "Outlet pressure must be greater\rthan inlet pressure!";
    return message;
}

// Evaluates the current model at the operating point, leaving its flow and
// air use in FlowScfm and AirUseScfm (reduced to the air available unless
// that is ignored). Returns cycles per minute; applicationRatio receives the
// compression ratio of the requested point, which the air limit overwrites.
double EvaluateModel(double& applicationRatio) {
    const TPumpRecord& pump = Shared.CurrentPump;
    Shared.FlowScfm = OutletFlow(Shared.OutletPsi, Shared.InletPsi, Shared.AirDrivePsi);
    applicationRatio = Shared.CompressionRatio;
    // cycles per minute = SpeedFraction x MaxCyclesPerMin
    double cycles = Shared.SpeedFraction * pump.MaxCyclesPerMin;
    Shared.AirUseOutletPsi = Shared.OutletPsi;
    Shared.AirUseScfm = AirUse(Shared.AirDrivePsi, Shared.SpeedFraction);
    Shared.AirLimited = false;
    if (!Shared.IgnoreAirAvailable) {
        LimitByAvailableAir(Shared.FlowScfm, Shared.AirUseScfm, Shared.AirLimited, Shared.AirDrivePsi,
                            Shared.InletPsi);
        cycles = Shared.SpeedFraction * pump.MaxCyclesPerMin;
    }
    return cycles;
}

bool Qualifies(double applicationRatio) {
    const double flow = Shared.FlowScfm;
    return (flow > Shared.FlowRequiredScfm || Shared.IgnoreFlowRate) && flow > kNoFlowScfm &&
           WithinModelLimits(Shared.CurrentPump, Shared.InletPsi, Shared.OutletPsi, Shared.AirDrivePsi,
                             applicationRatio);
}

}  // namespace

SelectionResult ContinuousProcessSelection(const SelectionControls& controls) {
    TakeSelectionOptions(controls);
    SelectionResult result;
    if (!ReadInputs(controls.fields)) {
        result.stop = SelectionStop::EntryInvalid;
        return result;
    }
    if (const std::string message = ValidationMessage(); !message.empty()) return FailedValidation(message);

    if (controls.searchingMemo != nullptr) controls.searchingMemo->Show();
    for (int n = 1; n <= PumpCount; ++n) {
        Shared.PumpIndex = n;
        SelectPump(n);
        double applicationRatio = 0;
        const double cycles = EvaluateModel(applicationRatio);
        if (!Qualifies(applicationRatio)) continue;
        const TPumpRecord& p = Shared.CurrentPump;
        result.rows.push_back({FormatSelectionRow(p.PumpNo, p.Series, p.RatioText, cycles, Shared.AirUseScfm,
                                                  Shared.FlowScfm, controls.textWidth, controls.decimalSeparator),
                               p.PumpNo, p.Series, p.RatioText, cycles, Shared.AirUseScfm, Shared.FlowScfm});
    }
    return result;
}

}  // namespace zorvik
