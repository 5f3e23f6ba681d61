#include "selection/model_hand_off.h"

#include "core/catalogue.h"
#include "core/performance_model.h"
#include "core/shared_state.h"
#include "selection/air_limit.h"

namespace zorvik {
namespace {

// The operating point of the chosen model as the last search left the
// inputs: the same calls, in the same order, as the search made for it.
void EvaluateAtLastSearch() {
    const double outlet = Shared.ApplicationType == ApplicationFillCylinder ? Shared.OutStartPsi : Shared.OutletPsi;
    Shared.FlowScfm = OutletFlow(outlet, Shared.InletPsi, Shared.AirDrivePsi);
    Shared.AirUseOutletPsi = outlet;
    Shared.AirUseScfm = AirUse(Shared.AirDrivePsi, Shared.SpeedFraction);
    Shared.AirLimited = false;
    if (!Shared.IgnoreAirAvailable)
        LimitByAvailableAir(Shared.FlowScfm, Shared.AirUseScfm, Shared.AirLimited, Shared.AirDrivePsi,
                            Shared.InletPsi);
}

}  // namespace

void PrepareModelView(int modelNumber, ModelView view) {
    SelectPump(modelNumber);
    Shared.PumpIndex = modelNumber;
    Shared.GraphInletScale = 1.0;
    if (view == ModelView::Drawing) {
        Shared.DisplayMode = Shared.DisplayMode == DisplayDrawingInches ? DisplayDrawingMm : DisplayDrawingInches;
        return;
    }
    Shared.DisplayMode = DisplayChartPsi;
    EvaluateAtLastSearch();
}

}  // namespace zorvik
