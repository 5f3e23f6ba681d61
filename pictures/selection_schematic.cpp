#include "selection_schematic.h"

#include <vector>

#include "canvas.h"

namespace zorvik {
namespace {

// The stored pictures the schematic is put together from. The sizes make
// the pieces meet at the places below: gas pipe pieces overlap one another
// (40 px apart on the inlet side, 35 on the outlet side) and reach the red
// arrow at 565 and the receiver's nozzle; the drive air runs along y 35-45
// from the straight piece into the elbow piece, which comes down onto the
// amplifier's drive port at (358-368, 50); the gas inlet (y 174-184) ends
// at the amplifier's inlet elbow at x 298 and its outlet (y 60-70) leaves
// it at x 437.
struct Piece {
    const char* artwork;
    QSize size;
};
const Piece GQ256colImage{"sel_amplifier", {172, 140}};
const Piece BlueArrowImage{"sel_blue_arrow", {40, 26}};
const Piece RedArrowImage{"sel_red_arrow", {40, 26}};
const Piece AirPipeHorzImage{"sel_air_pipe_elbow", {143, 15}};
const Piece AirPipeStraightHorzImage{"sel_air_pipe_straight", {36, 10}};
const Piece GasPipeImage{"sel_gas_pipe", {58, 10}};
const Piece OutCylinderImage{"sel_receiver", {150, 46}};

struct Placed {
    const Piece& piece;
    int x;
    int y;
};

// clang-format off
const std::vector<Placed> FlowSchematic = {
    {BlueArrowImage, 80, 166},
    {RedArrowImage, 565, 52},
    {GQ256colImage, 265, 50},
    {AirPipeHorzImage, 225, 35},
    {AirPipeStraightHorzImage, 189, 35},
    {GasPipeImage, 120, 174}, {GasPipeImage, 160, 174}, {GasPipeImage, 200, 174}, {GasPipeImage, 240, 174},
    {GasPipeImage, 437, 60}, {GasPipeImage, 472, 60}, {GasPipeImage, 507, 60},
};

const std::vector<Placed> FillSchematic = {
    {BlueArrowImage, 80, 166},
    {OutCylinderImage, 485, 49},
    {GQ256colImage, 265, 50},
    {AirPipeHorzImage, 225, 35},
    {AirPipeStraightHorzImage, 189, 35},
    {GasPipeImage, 120, 174}, {GasPipeImage, 160, 174}, {GasPipeImage, 200, 174}, {GasPipeImage, 240, 174},
    {GasPipeImage, 437, 60},
};
// clang-format on

constexpr int kCaptionX = 100;
constexpr int kCaptionY = 204;
constexpr int kCaptionPoints = 12;

}  // namespace

void DrawSelectionSchematic(Canvas& canvas, bool fill, const QString& caption) {
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(colors::White);
    canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
    canvas.SetBrushColor(colors::Black);
    canvas.FrameRect(0, 0, canvas.Width(), canvas.Height());

    for (const Placed& p : fill ? FillSchematic : FlowSchematic)
        canvas.DrawArtwork(p.x, p.y, p.piece.size, QString::fromLatin1(p.piece.artwork), false);

    canvas.SetFontBold(true);
    canvas.SetFontColor(colors::Blue);
    canvas.SetFontSize(kCaptionPoints);
    canvas.SetBrushColor(colors::White);
    canvas.TextOut(kCaptionX, kCaptionY, caption);
}

}  // namespace zorvik
