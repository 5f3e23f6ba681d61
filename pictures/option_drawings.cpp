// The drawings of the accessory options: two dimensioned ones (the receiver
// packages of options 6 and 14), the booster package of option 30 with its
// description, and pages that show an outline picture only.

#include <QPoint>
#include <algorithm>
#include <array>

#include "dimension_drawings.h"
#include "dimension_primitives.h"
#include "drawing_pictures.h"
#include "drawing_rows.h"

namespace zorvik {
namespace {

constexpr Dir H = Dir::H;
constexpr Dir V = Dir::V;
constexpr Arrowheads Start = Arrowheads::Start;
constexpr Arrowheads End = Arrowheads::End;
constexpr Arrowheads Both = Arrowheads::Both;

// Options that only change how the amplifier works inside: their rows show
// the amplifier's own drawing.
constexpr std::array kOptionsWithoutDrawing = {0, 2, 3, 4, 5, 7, 11, 13, 21, 23, 24, 25, 26, 27, 41, 43, 44, 45, 46};

// Option 6: receiver and controls for models 1-3.
// clang-format off
constexpr DimensionRow kOption6Dimensions[] = {
    // Dir  At           Length  Arrows  Start ext    End ext     Pos  Offset  Inch text    Millimetre text
    {H,     34,  -10,    196,    Both,     -5,  65,     -5,  65,    1,    0,    "10.61\"",   "269.5 mm"},
    {H,    334,  -10,    127,    Both,     -5, 135,     -5,  25,    1,    0,    "7.60\"",    "193.0 mm"},
    {H,    255,  -35,    206,    Both,     -5,  45,     -5,  25,    1,    0,    "12.79\"",   "325.0 mm"},
    {H,     47,  335,    -30,    End,       0,   0,    -15,   5,    1,  -20,    "1.00\"",    "25.0 mm"},
    {H,     67,  335,    137,    Both,    -45,   5,    -45,   5,    1,    0,    "7.50\"",    "191.0 mm"},
    {H,    461,  335,     30,    Start,   -20,   5,      0,   0,    1,   20,    "1.00\"",    "25.0 mm"},
    {H,    360,  335,     80,    Both,    -45,   5,    -45,   5,    1,    0,    "5.00\"",    "127.0 mm"},
    {H,    461,  360,     30,    Start,   -35,   5,      0,   0,    1,   20,    "3.00\"",    "76.0 mm"},
    {H,    410,  360,    -30,    End,       0,   0,    -15,   5,    1,    0,    nullptr,     nullptr},
    {V,     20,  100,    143,    Both,     -5,  50,     -5,  50,    3,  -50,    "8.00\"",    "203.0 mm"},
    {V,     20,  243,     64,    Both,     -5,  50,     -5,  15,    3,    0,    "3.50\"",    "89.0 mm"},
    {V,    238,  200,    107,    Both,    -89,   5,    -55,   5,    5,  -20,    "6.42\"",    "163.0 mm"},
    {V,    238,  274,     33,    Both,    -50,   5,    -50,   5,    5,    0,    "1.88\"",    "48.0 mm"},
};
// clang-format on

// clang-format off
constexpr NoteRow kOption6Notes[] = {
    // Arrow at    Text end    Pos  Note
    {154, 196,    104, -47,    1,   QT_TRANSLATE_NOOP("Drawings", "Air Inlet port \r1/4\" NPT")},
    {194, 284,     40,  50,    5,   QT_TRANSLATE_NOOP("Drawings", "Air Outlet port \r1/4\" NPT")},
    {67,  240,    -64, -74,    0,   QT_TRANSLATE_NOOP("Drawings", "Wall Mounting\r4 holes\r10 mm dia\r(3/8\" dia)")},
    {72,  308,     50,  60,    1,   QT_TRANSLATE_NOOP("Drawings", "Base Mounting 4 holes\r10 mm dia (3/8\" dia)")},
};
// clang-format on

// The 3.00" span is dimensioned from outside; its left end (the arrow without
// a text above) is carried up to the mounting panel by this plain line.
constexpr QPoint kOption6LineFrom(410, 265);
constexpr QPoint kOption6LineTo(410, 315);

// Option 14: receiver and controls for model 4.
// clang-format off
constexpr DimensionRow kOption14Dimensions[] = {
    // Dir  At           Length  Arrows  Start ext    End ext     Pos  Offset  Inch text    Millimetre text
    {H,      2,  -20,    166,    Both,     -5,  55,     -5,  35,    1,    0,    "23.25\"",   "590.6 mm"},
    {H,     52,  235,     76,    Both,    -35,   5,    -35,   5,    1,    0,    "10.5\"",    "267.0 mm"},
    {V,    180,   27,    176,    Both,    -95,   5,    -10,   5,    4,  -30,    "23.75\"",   "603.3 mm"},
    {V,    220,    2,    201,    Both,   -115,   5,    -10,   5,    4,  -50,    "27.19\"",   "690.6 mm"},
    {V,    220,  278,     81,    Both,    -55,   5,    -85,   5,    4,    0,    "11.00\"",   "278.0 mm"},
    {V,    180,  278,     37,    Both,    -25,   5,    -25,   5,    4,  -30,    "5.00\"",    "127.0 mm"},
};
// clang-format on

// clang-format off
constexpr NoteRow kOption14Notes[] = {
    // Arrow at    Text end    Pos  Note
    {93,   25,    104, -47,    2,   QT_TRANSLATE_NOOP("Drawings", "Air Drive Inlet\r1/2\" NPT  8.6 bar (125 psi) max")},
    {130, 203,     15,  25,    2,   QT_TRANSLATE_NOOP("Drawings", "Mounting holes\r4 x 10mm (0.39\") dia")},
};
// clang-format on

// Option 30: the booster package and what it does.
constexpr QPoint kPackageTextAt[] = {{230, 40}, {230, 115}, {230, 225}, {230, 290}};
constexpr const char* kPackageText[] = {
    QT_TRANSLATE_NOOP(
        "Drawings",
        "Model 61306 is a complete pneumatic\rsystem designed to provide amplified\rpressure and momentary "
        "high flow."),
    QT_TRANSLATE_NOOP("Drawings",
                      "It utilizes available plant air (up to 6.5 bar\r95 psi) to both the supply and drive inlets\rof "
                      "the model RBW-2 which automatically\rstalls once the storage tank has been\rfilled to about "
                      "double the supply pressure."),
    QT_TRANSLATE_NOOP("Drawings",
                      "The amplifier will sense any use of air from\rthe tank, and resume operation again to stall\rat "
                      "about 2 times supply pressure."),
    QT_TRANSLATE_NOOP("Drawings",
                      "The regulator on the tank output is provided\rto control output pressure and flow, up to\rabout "
                      "(momentarily) 4.2 Nm3/min 150 scfm.\rAlso included is an ASME coded safety relief\rvalve on the "
                      "tank set at 13.8 bar (200 psi)."),
};
constexpr int kPackageFontPoints = 12;

// Options shown as an outline picture alone.
struct PicturePage {
    int optionIndex;
    DrgImage picture;
    QPoint origin;
};

// clang-format off
constexpr PicturePage kPicturePages[] = {
    // Option  Picture                                 Origin
    {1,   DrgImage::optionStndAirControlImage,   {120, 70}},
    {10,  DrgImage::optionStndAirControlImage,   {120, 70}},
    {20,  DrgImage::optionStndAirControlImage,   {120, 70}},
    {12,  DrgImage::option61302Image,            {50, 30}},
    {22,  DrgImage::optionQP1Image,              {60, 20}},
    {42,  DrgImage::optionQP1Image,              {60, 20}},
    {31,  DrgImage::option61304Image,            {90, 30}},
    {32,  DrgImage::option61304Image,            {90, 30}},
    {35,  DrgImage::option61305Image,            {60, 20}},
    {40,  DrgImage::option8RBWCImage,            {60, 20}},
    {47,  DrgImage::option61307Image,            {130, 50}},
    {48,  DrgImage::option61308Image,            {60, 50}},
    {49,  DrgImage::option61309Image,            {40, 50}},
};
// clang-format on

constexpr QPoint kOption6Origin(70, 60);
constexpr QPoint kOption14Origin(35, 60);
constexpr QPoint kOption30Origin(35, 30);

void DrawOption6(Canvas& canvas, bool metric) {
    const QPoint o = kOption6Origin;
    DrawPicture(canvas, o, DrgImage::Option61301Image);
    DrawDimensionRows(canvas, o, kOption6Dimensions, metric);
    canvas.MoveTo(o.x() + kOption6LineFrom.x(), o.y() + kOption6LineFrom.y());
    canvas.LineTo(o.x() + kOption6LineTo.x(), o.y() + kOption6LineTo.y());
    DrawNoteRows(canvas, o, kOption6Notes);
}

void DrawOption14(Canvas& canvas, bool metric) {
    const QPoint o = kOption14Origin;
    DrawPicture(canvas, o, DrgImage::option61303Image);
    DrawDimensionRows(canvas, o, kOption14Dimensions, metric);
    DrawNoteRows(canvas, o, kOption14Notes);
}

void DrawOption30(Canvas& canvas) {
    const QPoint o = kOption30Origin;
    DrawPicture(canvas, o, DrgImage::option61306Image);
    canvas.SetFontSize(kPackageFontPoints);
    for (int i = 0; i < 4; ++i) {
        const QPoint at = o + kPackageTextAt[i];
        DrawTextLines(canvas, at.x(), at.y(), canvas.Say(Tr("Drawings", kPackageText[i])));
    }
}

const PicturePage* FindPicturePage(int optionIndex) {
    for (const PicturePage& p : kPicturePages)
        if (p.optionIndex == optionIndex) return &p;
    return nullptr;
}

}  // namespace

void DrawDrawing(Canvas& canvas, const DrawingView& view) {
    const int optionIndex = view.option;
    if (std::ranges::find(kOptionsWithoutDrawing, optionIndex) != kOptionsWithoutDrawing.end()) {
        DrawModelDrawing(canvas, view.model, view.mm);
        return;
    }
    const bool optionDrawingInMm = view.mm;
    PrepareDrawingPage(canvas);
    if (optionIndex == 6) {
        DrawOption6(canvas, optionDrawingInMm);
    } else if (optionIndex == 14) {
        DrawOption14(canvas, optionDrawingInMm);
    } else if (optionIndex == 30) {
        DrawOption30(canvas);
    } else if (const PicturePage* page = FindPicturePage(optionIndex)) {
        DrawPicture(canvas, page->origin, page->picture);
    } else {
        DrawNotWrittenMessage(canvas, NotWrittenMessageAt.x(), NotWrittenMessageAt.y());
    }
    DrawDrawingTitle(canvas, view.optionTitle);
}

}  // namespace zorvik
