#include "core/shared_state.h"

namespace zorvik {

SharedState Shared;

void InitialiseSharedState() {
    Shared = SharedState{};
    Shared.PumpIndex = 1;
    SelectPump(Shared.PumpIndex);
    Shared.GraphAirDrivePsi = 90.0;
    Shared.GraphInletScale = 1.0;
    InitOffices();
    Shared.OfficeIndex = 1;
    Shared.ApplicationType = ApplicationFlow;
    Shared.MetricUnits = false;
}

namespace {
// The unit initialisation runs once before main(), as the windows expect a
// current model from the start.
const bool kInitialised = (InitialiseSharedState(), true);
}  // namespace

}  // namespace zorvik
