#include "drawings/view_range.h"

#include "core/performance_model.h"
#include "core/shared_state.h"

namespace zorvik {
namespace {

struct FixedViewRange {
    int pumpNo;
    double outletPsi;
    double flowScfm;
    bool atLeast;  // a minimum instead of a fixed value
};

constexpr FixedViewRange kFixedViewRanges[] = {
//   model outlet  flow  at least
    {1,    350,    6,    false},
    {2,    450,    4,    false},
    {3,    550,    3,    false},
    {4,    250,    40,   true},
    {15,   250,    225,  true},
};

constexpr double kSmallFlowAxisScfm = 11;
constexpr double kSmallFlowAxisPadScfm = 2;

}  // namespace

GraphAxisRange SelectionViewRange() {
    const TPumpRecord& pump = Shared.CurrentPump;
    GraphAxisRange r{};
    r.outletMaxPsi = StallOutletPsi(Shared.AirDrivePsi, Shared.InletPsi);
    double workingOutletPsi = r.outletMaxPsi * 0.6666666;
    if (Shared.InletPsi * 1.3333 < workingOutletPsi) workingOutletPsi = Shared.InletPsi * 1.3333;
    r.flowMaxScfm = OutletFlow(workingOutletPsi, Shared.InletPsi, pump.MaxAirDrivePsi);
    for (const FixedViewRange& f : kFixedViewRanges) {
        if (f.pumpNo != pump.PumpNo) continue;
        if (!f.atLeast || r.outletMaxPsi < f.outletPsi) r.outletMaxPsi = f.outletPsi;
        if (!f.atLeast || r.flowMaxScfm < f.flowScfm) r.flowMaxScfm = f.flowScfm;
    }
    r.flowMaxScfm = PadSmallFlowAxis(r.flowMaxScfm);
    return r;
}

double PadSmallFlowAxis(double flowScfm) {
    return flowScfm <= kSmallFlowAxisScfm ? flowScfm + kSmallFlowAxisPadScfm : flowScfm;
}

}  // namespace zorvik
