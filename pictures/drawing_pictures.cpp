#include "drawing_pictures.h"

#include "artwork.h"

namespace zorvik {
namespace {

struct StoredPicture {
    DrgImage which;
    const char* artwork;  // ":/art/<artwork>.svg", from resources/art/drawings
    int width;
    int height;
    int reachLeft = 0;  // pixels the art reaches left of its drawing's origin
};

// In the order of DrgImage.
// clang-format off
constexpr StoredPicture kPictures[DrgImageCount] = {
    // picture                                 artwork                           width  height  reach left
    {DrgImage::LrbSideElevationImage,        "drg_lrb_side_elevation",           128,   202},
    {DrgImage::LrbTopImage,                  "drg_lrb_plan",                     118,    88},
    {DrgImage::FourRBW2DrgImage,             "drg_4rbw2_front",                  280,   175},
    {DrgImage::FourRBW2SideElevationImage,   "drg_4rbw2_side_elevation",         150,   175},
    {DrgImage::RB8DrgImage,                  "drg_rb8",                          390,   240},
    {DrgImage::RB30DrgImage,                 "drg_rb30",                         390,   240},
    {DrgImage::RBW2drgImage,                 "drg_rbw2",                         470,   274},
    {DrgImage::RBW5drgImage,                 "drg_rbw5",                         510,   225,    10},
    {DrgImage::RBW15drgImage,                "drg_rbw15",                        528,   154},
    {DrgImage::RBZ15drgImage,                "drg_rbz15",                        562,   155},
    {DrgImage::VRBW2drgImage,                "drg_8rbw2",                        555,   200},
    {DrgImage::fixPlanImage,                 "drg_fixing_plan",                  160,    60},
    {DrgImage::Option61301Image,             "drg_option_61301",                 464,   326},
    {DrgImage::option61302Image,             "drg_option_61302",                 438,   313},
    {DrgImage::option61303Image,             "drg_option_61303",                 567,   387},
    {DrgImage::optionStndAirControlImage,    "drg_option_air_controls",          400,   302},
    {DrgImage::optionQP1Image,               "drg_option_qp1",                   510,   375},
    {DrgImage::option61306Image,             "drg_option_61306",                 254,   277},
    {DrgImage::option61304Image,             "drg_option_61304",                 398,   320},
    {DrgImage::option61305Image,             "drg_option_61305",                 438,   377},
    {DrgImage::option8RBWCImage,             "drg_option_8rbw_controls",         369,   338},
    {DrgImage::option61307Image,             "drg_option_61307",                 321,   277},
    {DrgImage::option61308Image,             "drg_option_61308",                 420,   295},
    {DrgImage::option61309Image,             "drg_option_61309",                 545,   293},
};
// clang-format on

const StoredPicture& Entry(DrgImage which) { return kPictures[static_cast<int>(which)]; }

}  // namespace

QImage DrawingPictures::Picture(DrgImage which) { return ArtworkOnWhite(ArtworkName(which), PictureSize(which)); }

QSize DrawingPictures::PictureSize(DrgImage which) { return {Entry(which).width, Entry(which).height}; }

int DrawingPictures::ReachLeft(DrgImage which) { return Entry(which).reachLeft; }

QString DrawingPictures::ArtworkName(DrgImage which) { return QString::fromLatin1(Entry(which).artwork); }

}  // namespace zorvik
