#pragma once
// Hands the model of a chosen result row to the picture viewer: makes it
// current and prepares the shared state for its drawing or its performance
// graph.

namespace zorvik {

enum class ModelView {
    Drawing,  // the dimension drawing, inches and millimetres in turn
    Graph,    // the performance graph in psi and scfm, with the selection's operating point
};

// Makes model `modelNumber` (1..15) current: SelectPump, PumpIndex, and
// GraphInletScale back to 1.0. Then by `view`:
//  - Drawing: DisplayMode 1 (inches) becomes 2 (millimetres), anything else
//    becomes 1, so showing the same drawing twice gives both units.
//  - Graph: DisplayMode 4, and the model is evaluated again at the operating
//    point of the last search, as the search evaluated it: at OutletPsi
//    (continuous process) or OutStartPsi (vessel charging), with InletPsi
//    and AirDrivePsi, then the air limit unless the search ignored the air
//    available (IgnoreAirAvailable as it left it). FlowScfm, AirUseScfm and
//    AirLimited take the result, so the graph's point is the listed row's.
void PrepareModelView(int modelNumber, ModelView view);

}  // namespace zorvik
