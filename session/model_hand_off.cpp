#include "model_hand_off.h"

#include "catalogue.h"
#include "performance_model.h"
#include "shared_state.h"
#include "air_limit.h"

namespace zorvik {
namespace {

// The operating point of the chosen model as the last search left the
// inputs, evaluated as the search evaluated it.
void EvaluateAtLastSearch() {
    const double outlet = Shared.ApplicationType == ApplicationFillCylinder ? Shared.OutStartPsi : Shared.OutletPsi;
    const OperatingPoint point{Shared.AirDrivePsi, Shared.InletPsi, outlet};
    const PointResult r = EvaluatePoint(Shared.CurrentPump, point);
    DeliveredPoint delivered{r.flowScfm, r.airUseScfm, r.speedFraction, false};
    if (!Shared.IgnoreAirAvailable)
        delivered = LimitByAvailableAir(Shared.CurrentPump, point, Shared.AirAvailableScfm, delivered);
    Shared.FlowScfm = delivered.flowScfm;
    Shared.AirUseScfm = delivered.airUseScfm;
    Shared.AirLimited = delivered.airLimited;
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
