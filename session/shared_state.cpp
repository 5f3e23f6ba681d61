#include "shared_state.h"

namespace zorvik {

SharedState Shared;

void SelectPump(int n) {
    if (n < 1 || n > PumpCount) return;
    Shared.CurrentPump = CatalogueRow(n);
}

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
