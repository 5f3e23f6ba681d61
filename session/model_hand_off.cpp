#include "model_hand_off.h"

namespace zorvik {

void PrepareModelView(Session& session, int modelNumber, ModelView view) {
    session.SelectPump(modelNumber);
    session.PumpIndex = modelNumber;
    session.GraphInletScale = 1.0;
    if (view == ModelView::Drawing)
        session.DisplayMode = session.DisplayMode == DisplayDrawingInches ? DisplayDrawingMm : DisplayDrawingInches;
    else
        session.DisplayMode = session.MetricUnits ? DisplayChartBar : DisplayChartPsi;
}

}  // namespace zorvik
