#pragma once
// The chart as the graph window shows it: drawn at the graph's own drive
// pressure (Shared.GraphAirDrivePsi) and at the model's reference inlet
// pressure scaled by Shared.GraphInletScale.

#include <span>

#include <QImage>
#include <QString>

#include "catalogue.h"
#include "canvas.h"

namespace zorvik {

// The highest gas inlet pressure the chart takes at a drive pressure, psig:
// MaxInletPsi, or |MaxInletPsi| x airDrivePsi x 0.8 for the models whose
// limit is a multiple of the drive pressure. The adjust dialog holds its
// field to the same limit, so the inlet it opens with is always accepted.
double GraphMaxInletFor(const TPumpRecord& pump, double airDrivePsi);

// What DrawGraphSettings needs of the graph window, so that the chart can be
// drawn without the window class. TzampGraph1Form implements it.
class GraphWindowSurface {
public:
    virtual ~GraphWindowSurface() = default;
    // Draws `drawing` into the window's PerformanceGraphImage picture,
    // 617 x 461, and keeps it to draw again (sharper, printed, copied).
    virtual void ShowPicture(const PictureDrawing& drawing) = 0;
    // The caption of DrivePressurePanel. Called after the chart has been
    // drawn into the picture, so the window repaints the picture here too.
    virtual void SetDrivePressureCaption(const QString& caption) = 0;
};

struct GraphAxisRange {
    double outletMaxPsi;
    double flowMaxScfm;
};

// Sets the chart's operating point from the graph settings:
//   AirDrivePsi := GraphAirDrivePsi, held to the model's maximum with the
//     warning "Air drive pressure is too high!" (GraphAirDrivePsi itself is
//     kept, so the next model starts from it again);
//   InletPsi := trunc(GraphInletPsi x GraphInletScale + 0.5), held to
//     GraphMaxInletPsi, then to MinInletPsi, then to 5 psig at least; the
//     drive pressure for models that boost their own drive air.
//   GraphMaxInletPsi := GraphMaxInletFor(AirDrivePsi).
void ApplyGraphSettings();

// A model whose chart has set axis ranges instead of computed ones.
struct FixedAxisRange {
    int pumpNo;
    double outletPsi;
    double flowScfm;
    bool atLeast;  // a minimum instead of a fixed value
};

// Axis maxima for the operating point in AirDrivePsi and InletPsi: the
// stall outlet pressure, and the flow at two thirds of it (or 1.3333 x the
// inlet, if lower) at the model's maximum drive pressure; then the current
// model's entry in fixedRanges, if any; then PadSmallFlowAxis; and where
// the top inlet curve starts above that, 1.1 x its starting flow. Evaluating
// the flow overwrites the performance model's shared results.
GraphAxisRange AxisRangeWith(std::span<const FixedAxisRange> fixedRanges);

// AxisRangeWith the graph window's ranges for models 1-4 and 15.
GraphAxisRange GraphRange();

// A flow axis of 11 scfm or less gets 2 scfm more, so that the curves of the
// small models do not run along the top edge.
double PadSmallFlowAxis(double flowScfm);

// ApplyGraphSettings, GraphRange and the chart with the origin at (50, 384),
// onto any canvas.
void DrawGraphSettings(Canvas& canvas);

// ApplyGraphSettings and GraphRange, then the chart as a picture that can be
// drawn again, with the state it was made from, on any canvas.
PictureDrawing GraphSettingsPicture();

// GraphSettingsPicture into the graph window's picture, with its drive
// pressure caption.
void DrawGraphSettings(GraphWindowSurface& window);

}  // namespace zorvik
