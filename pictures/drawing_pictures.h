#pragma once
// The outline pictures of the dimension drawings.
//
// Each picture is the program's own line drawing (resources/art/drawings),
// rendered onto white at exactly the size the drawings' dimension
// coordinates were laid out for, and drawn unscaled. The drawings read the
// pictures through DrawingPictures, which needs no window, so the command
// line can draw without creating a form. A picture is rendered the first time a
// drawing needs it and kept for the run: rendering all 24 at start would hold
// up every start for drawings most runs never show.

#include <QImage>
#include <QSize>
#include <QString>

namespace zorvik {

enum class DrgImage {
    LrbSideElevationImage,
    LrbTopImage,
    FourRBW2DrgImage,
    FourRBW2SideElevationImage,
    RB8DrgImage,
    RB30DrgImage,
    RBW2drgImage,
    RBW5drgImage,
    RBW15drgImage,
    RBZ15drgImage,
    VRBW2drgImage,
    fixPlanImage,
    Option61301Image,
    option61302Image,
    option61303Image,
    optionStndAirControlImage,
    optionQP1Image,
    option61306Image,
    option61304Image,
    option61305Image,
    option8RBWCImage,
    option61307Image,
    option61308Image,
    option61309Image,
};

inline constexpr int DrgImageCount = 24;

// The outline pictures by name; no window needed.
struct DrawingPictures {
    // The stored picture, opaque white ground, at its stated size.
    static QImage Picture(DrgImage which);
    static QSize PictureSize(DrgImage which);
    // How far the picture reaches left of the point its drawing places it
    // at: the feet of model 9 stand out beyond its overall width.
    static int ReachLeft(DrgImage which);
    // The name Artwork() knows the drawing by.
    static QString ArtworkName(DrgImage which);
};

}  // namespace zorvik
