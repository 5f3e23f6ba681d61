// The drawings of the fifteen models. Each table row is one dimension or
// leader note, at an offset from the drawing's origin; the outline pictures
// (TAmplifiersDrgImagesForm) are drawn so that these land on the features
// they name.

#include <QPoint>

#include "catalogue.h"
#include "dimension_drawings.h"
#include "dimension_primitives.h"
#include "drawing_pictures.h"
#include "drawing_rows.h"

namespace zorvik {
namespace {

constexpr Dir H = Dir::H;
constexpr Dir V = Dir::V;
constexpr Arrowheads Both = Arrowheads::Both;
constexpr Arrowheads End = Arrowheads::End;

// Models 1-3: side elevation and plan.
// clang-format off
constexpr DimensionRow kModels1To3Dimensions[] = {
    // Dir  At           Length  Arrows  Start ext    End ext     Pos  Offset  Inch text    Millimetre text
    {H,     49,  -30,     44,    Both,     -5,  50,     -5,  50,    1,    5,    "1.63\"",    "     41.4 mm"},
    {H,     71,  227,     56,    Both,    -45,   5,    -50,   5,    1,    5,    " 2.25\"",   " 57.2 mm"},
    {V,    -40,    0,    197,    Both,     50,  -5,     50,  -5,    4,   10,    " 7.00\"",   "177.8 mm"},
    {V,    158,    0,     39,    Both,    -42,   5,   -110,   5,    4,    0,    " 1.46\"",   "37.1 mm"},
    {V,    158,   39,    119,    Both,    -66,   5,    -50,   5,    4,    0,    " 4.13\"",   "104.9 mm"},
    {H,    231,  -30,    116,    Both,     -5,  35,     -5,  60,    1,    0,    " 4.85\"",   "123.2 mm"},
    {V,    384,    0,     85,    Both,    -42,   5,    -42,   5,    4,    0,    " 3.25\"",   "82.6 mm"},
};
// clang-format on

// clang-format off
constexpr NoteRow kModels1To3Notes[] = {
    // Arrow at    Text end    Pos  Note
    {58,   36,    -80, -70,    1,   QT_TRANSLATE_NOOP("Drawings", "1/4\" NPT\rAir Drive Inlet")},
    {62,  197,    -40,  50,    7,   QT_TRANSLATE_NOOP("Drawings", "3/8\" NPT Inlet Port")},
    {125, 166,     50,  40,    5,   QT_TRANSLATE_NOOP("Drawings", "3/8\" NPT Outlet Port")},
};
// clang-format on

// Model 4: front view and side elevation.
// clang-format off
constexpr DimensionRow kModel4Dimensions[] = {
    // Dir  At           Length  Arrows  Start ext    End ext     Pos  Offset  Inch text    Millimetre text
    {H,      3,  204,    273,    Both,    -25,   5,    -25,   5,    1,    0,    "12.875\"",  "327.0 mm"},
    {H,    350,  204,    148,    Both,    -25,   5,    -25,   5,    1,    0,    "5.50\"",    "140.0 mm"},
    {V,    308,    0,     46,    Both,    -36,   5,    -36,   5,    4,    0,    " 3.25\"",   "82.6 mm"},
    {V,    308,   46,    126,    Both,    -26,   5,    -26,   5,    4,    0,    " 5.00\"",   "127.0 mm"},
};
// clang-format on

// clang-format off
constexpr NoteRow kModel4Notes[] = {
    // Arrow at    Text end    Pos  Note
    {8,   108,    -38, -28,    0,   QT_TRANSLATE_NOOP("Drawings", "Air Drive \rInlet")},
    {15,    1,      0, -45,    1,   QT_TRANSLATE_NOOP("Drawings", "Exhaust Muffler")},
    {142, 100,     23,-102,    1,   QT_TRANSLATE_NOOP("Drawings", "3/8\" NPT Inlet Port\r3/8 NPT Outlet port (rear side)")},
};
// clang-format on

// Models 5, 6 and 7 share their geometry; the texts of the first dimension
// and of the port notes differ.
// clang-format off
constexpr DimensionRow kModel5Dimensions[] = {
    // Dir  At           Length  Arrows  Start ext    End ext     Pos  Offset  Inch text    Millimetre text
    {H,      2,  -30,    158,    Both,     -5,  25,     -5,  25,    1,    0,    "9.55\"",    "242.6 mm"},
    {H,    219,  -30,    159,    Both,     -5, 125,     -5,  25,    1,    0,    "9.75\"",    "248.0 mm"},
    {V,    -30,    8,    148,    Both,     -5,  40,     -5,  40,    4,    0,    " 9.25\"",   "235.0 mm"},
    {V,    420,    0,    235,    Both,    -22,   5,    -22,   5,    4,    0,    "14.75\"",   "374.7 mm"},
};
// clang-format on

// clang-format off
constexpr NoteRow kModel5Notes[] = {
    // Arrow at    Text end    Pos  Note
    {79,  123,     80, -70,    5,   QT_TRANSLATE_NOOP("Drawings", "Air Drive \rInlet")},
    {220, 196,    -45,  35,    1,   QT_TRANSLATE_NOOP("Drawings", "Exhaust Muffler")},
    {0,   160,    -30,  20,    7,   QT_TRANSLATE_NOOP("Drawings", "Fixings\r4 slots\r11 mm (7/16\")")},
    {245, 230,    -30,  40,    7,   QT_TRANSLATE_NOOP("Drawings", "3/8\" NPT Inlet Port")},
    {360, 230,     30,  40,    7,   QT_TRANSLATE_NOOP("Drawings", "3/8\" NPT Outlet Port")},
};
// clang-format on

// clang-format off
constexpr DimensionRow kModels6To7Dimensions[] = {
    // Dir  At           Length  Arrows  Start ext    End ext     Pos  Offset  Inch text    Millimetre text
    {H,      2,  -30,    158,    Both,     -5,  25,     -5,  25,    1,    0,    "9.50\"",    "241.0 mm"},
    {H,    219,  -30,    159,    Both,     -5, 125,     -5,  25,    1,    0,    "9.75\"",    "248.0 mm"},
    {V,    -30,    8,    148,    Both,     -5,  40,     -5,  40,    4,    0,    " 9.25\"",   "235.0 mm"},
    {V,    420,    0,    235,    Both,    -22,   5,    -22,   5,    4,    0,    "14.75\"",   "374.7 mm"},
};
// clang-format on

// clang-format off
constexpr NoteRow kModels6To7Notes[] = {
    // Arrow at    Text end    Pos  Note
    {79,  123,     80, -70,    5,   QT_TRANSLATE_NOOP("Drawings", "Air Drive \rInlet")},
    {220, 196,    -45,  35,    1,   QT_TRANSLATE_NOOP("Drawings", "Exhaust Muffler")},
    {0,   160,    -30,  20,    7,   QT_TRANSLATE_NOOP("Drawings", "Fixings\r4 slots\r11 mm (7/16\")")},
    {245, 230,    -30,  40,    7,   QT_TRANSLATE_NOOP("Drawings", "1/4\" NPT Inlet Port")},
    {360, 230,     30,  40,    7,   QT_TRANSLATE_NOOP("Drawings", "1/4\" NPT Outlet Port")},
};
// clang-format on

// clang-format off
constexpr DimensionRow kModel8Dimensions[] = {
    // Dir  At           Length  Arrows  Start ext    End ext     Pos  Offset  Inch text    Millimetre text
    {H,      0,  -30,    178,    Both,     -5,  25,     -5, 105,    1,    0,    "9.50\"",    "241.0 mm"},
    {H,    257,  -30,    212,    Both,     -5, 125,     -5, 125,    1,    0,    "14.00\"",   "356.0 mm"},
    {V,    -30,    6,    258,    Both,     -5,  35,     -5,  35,    4,    0,    "15.50\"",   "394.0 mm"},
    {V,    490,    0,    273,    Both,    -42,   5,    -42,   5,    4,   90,    "16.625\"",  "422.0 mm"},
};
// clang-format on

// clang-format off
constexpr NoteRow kModel8Notes[] = {
    // Arrow at    Text end    Pos  Note
    {78,  230,     64, -27,    5,   QT_TRANSLATE_NOOP("Drawings", "Air Drive \rInlet")},
    {21,  114,    -50, -40,    1,   QT_TRANSLATE_NOOP("Drawings", "Exhaust\rMuffler")},
    {3,   267,     24,  14,    7,   QT_TRANSLATE_NOOP("Drawings", "Fixings 4 slots\r11 mm (7/16\")")},
    {255, 130,    -34,  24,    7,   QT_TRANSLATE_NOOP("Drawings", "3/8\" NPT\rInlet Port")},
    {464, 138,    -13,  36,    7,   QT_TRANSLATE_NOOP("Drawings", "3/8\" NPT\rOutlet Port")},
};
// clang-format on

// clang-format off
constexpr DimensionRow kModel9Dimensions[] = {
    // Dir  At           Length  Arrows  Start ext    End ext     Pos  Offset  Inch text    Millimetre text
    {H,      0,  -30,    158,    Both,     -5,  25,     -5,  25,    1,    0,    "9.50\"",    "241.0 mm"},
    {H,    179,  -30,    300,    Both,     -5, 155,     -5, 155,    1,    0,    "18.50\"",   "470.0 mm"},
    {V,    -23,    8,    130,    Both,     -5,  30,     -5,  30,    4,    0,    "7.00\"",    "177.8 mm"},
    {V,    520,    0,    216,    Both,   -117,   5,   -117,   5,    4,  -30,    "12.25\"",   "311.0 mm"},
};
// clang-format on

// clang-format off
constexpr NoteRow kModel9Notes[] = {
    // Arrow at    Text end    Pos  Note
    {81,  103,     54, -44,    5,   QT_TRANSLATE_NOOP("Drawings", "Air Drive \rInlet")},
    {228, 170,    -90,   0,    1,   QT_TRANSLATE_NOOP("Drawings", "Exhaust\rMuffler")},
    {-6,  142,      0,  64,    7,   QT_TRANSLATE_NOOP("Drawings", "Fixings\r4 slots\r11 mm (7/16\")")},
    {265, 206,     10,  34,    7,   QT_TRANSLATE_NOOP("Drawings", "1/2\" Tube\rInlet Port")},
    {393, 206,    -10,  34,    7,   QT_TRANSLATE_NOOP("Drawings", "1/2\" Tube\rOutlet Port")},
};
// clang-format on

// The overall length differs between model 10 and model 11.
// clang-format off
constexpr DimensionRow kModels10To11Dimensions[] = {
    // Dir  At           Length  Arrows  Start ext    End ext     Pos  Offset  Inch text    Millimetre text  Models
    {H,      0,  -30,    345,    Both,     -5,  85,     -5,  85,    1,    0,    "21.625\"",  "549.0 mm",      {10, 10}},
    {H,      0,  -30,    345,    Both,     -5,  85,     -5,  85,    1,    0,    "20.50\"",   "521.0 mm",      {11, 11}},
    {H,    375,  -30,    151,    Both,     -5, 125,     -5,  75,    1,    0,    " 9.50\"",   "241.0 mm"},
    {H,    117,  183,    157,    Both,      5, -35,      5, -35,    1,    0,    " 9.125\"",  "232.0 mm"},
    {V,    565,    0,    153,    Both,    -55,   5,    -30,   5,    4,  -30,    "9.50\"",    "241.0 mm"},
};
// clang-format on

// clang-format off
constexpr NoteRow kModels10To11Notes[] = {
    // Arrow at    Text end    Pos  Note
    {238,  80,     32, -42,    5,   QT_TRANSLATE_NOOP("Drawings", "Air Drive \rInlet")},
    {113, 154,    -35,  45,    7,   QT_TRANSLATE_NOOP("Drawings", "Fixings  4 slots\r11 mm (7/16\")")},
    {435,  89,    -37,  84,    7,   QT_TRANSLATE_NOOP("Drawings", "1/4\" NPT\rInlet Ports\rEach end")},
    {500,  89,     37,  84,    7,   QT_TRANSLATE_NOOP("Drawings", "1/4\" NPT\rOutlet Ports\rEach end")},
};
// clang-format on

// clang-format off
constexpr DimensionRow kModels12To14Dimensions[] = {
    // Dir  At           Length  Arrows  Start ext    End ext     Pos  Offset  Inch text    Millimetre text
    {H,      0,  -30,    345,    Both,     -5,  85,     -5,  85,    1,    0,    "21.25\"",   "540.0 mm"},
    {H,    375,  -30,    182,    Both,     -5, 125,     -5,  65,    1,    0,    " 12.75\"",  "323.9 mm"},
    {H,    117,  183,    157,    Both,      5, -35,      5, -35,    1,    0,    " 9.125\"",  "232.0 mm"},
    {V,    565,    0,    153,    Both,    -55,   5,    -30,   5,    4,   40,    "9.50\"",    "241.0 mm"},
};
// clang-format on

// The inlet port of model 12 is larger than that of models 13 and 14.
// clang-format off
constexpr NoteRow kModels12To14Notes[] = {
    // Arrow at    Text end    Pos  Note                                        Models
    {238,  80,     32, -42,    5,   QT_TRANSLATE_NOOP("Drawings", "Air Drive \rInlet")},
    {113, 154,    -25,  60,    7,   QT_TRANSLATE_NOOP("Drawings", "Fixings  4 slots\r11 mm (7/16\")")},
    {328,  91,      0,  74,    7,   QT_TRANSLATE_NOOP("Drawings", "3/8\" NPT\rInlet Port"),                    {12, 12}},
    {328,  91,      0,  74,    7,   QT_TRANSLATE_NOOP("Drawings", "1/4\" NPT\rInlet Port"),                    {13, 14}},
    {17,   91,     16,  74,    7,   QT_TRANSLATE_NOOP("Drawings", "1/4\" NPT\rOutlet Port")},
};
// clang-format on

// Model 15: the first two lengths are those with the no-load run-away
// modifications fitted.
// clang-format off
constexpr DimensionRow kModel15Dimensions[] = {
    // Dir  At           Length  Arrows  Start ext    End ext     Pos  Offset  Inch text                 Millimetre text
    {H,    -40,  -70,    203,    Both,     -5,  25,     -5,  25,    1,    0,    "19.60\"   61308 Mod",   "498.0 mm   61308 Mod"},
    {H,      0,  -45,    163,    Both,     -5,  25,     -5,  10,    1,    0,    "13.60\"   61307 Mod",   "345.0 mm   61307 Mod"},
    {H,      0,  -20,    124,    Both,     -5,  35,     -5,  55,    1,    0,    " 9.60\"",                "243.0 mm"},
    {H,    186,  -20,    367,    Both,     -5,  25,     -5, 185,    1,  -30,    "29.10\"",                "740.0 mm"},
    {V,    -13,    0,    197,    Both,     -5,  50,     -5,  10,    4,  -70,    "15.40\"",                "391.0 mm"},
    {V,    155,   66,    131,    Both,    -95,   5,    -25,   5,    4,   20,    "10.20\"",                "258.0 mm"},
    {H,     29,  230,     66,    Both,      5, -40,      5, -40,    1,    1,    "4.30\"",                 "108.0 mm"},
    {H,     12,  255,    100,    Both,      5, -65,      5, -65,    1,    0,    "7.00\"",                 "178.0 mm"},
    {H,      4,  280,    114,    Both,      5, -75,      5, -75,    1,    0,    "8.40\"",                 "214.0 mm"},
    {H,    254,  230,    164,    Both,      5, -15,      5,-110,    1,    0,    "12.80\"",                "326.0 mm"},
    {H,    292,  255,    250,    Both,      5, -65,      5, -65,    1,    0,    "20.50\"",                "520.7 mm"},
    {H,    254,  255,    -35,    End,       0,   0,      5,   5,    1,  -20,    "2.60\"",                 "65.0 mm"},
    {H,    254,  280,    299,    Both,      5,-105,      5, -65,    1,    0,    "23.80\"",                "604.5 mm"},
    {V,    210,   56,    141,    Both,     -5,  40,     -5,  60,    4,  -10,    "11.00\"",                "278.0 mm"},
    {V,    270,  133,     64,    Both,     -5, 160,     -5,   5,    4,  -10,    "4.80\"",                 "123.0 mm"},
};
// clang-format on

// clang-format off
constexpr NoteRow kModel15Notes[] = {
    // Arrow at    Text end    Pos  Note
    {64,   64,    134,-124,    2,   QT_TRANSLATE_NOOP("Drawings", "Air Drive Inlet\r3/4\" NPT")},
    {421, 129,     30,-190,    1,   QT_TRANSLATE_NOOP("Drawings", "1\" NPT Outlet Port (this side)\r1\" NPT Inlet Port (rear side)")},
    {289, 197,    -26, 114,    4,   QT_TRANSLATE_NOOP("Drawings", "Fixings 8 holes\r13.5 mm dia (17/32\" dia)")},
};
// clang-format on

// The fixing-slot detail, offsets from its own corner.
// clang-format off
constexpr DimensionRow kFixingPlanDimensions[] = {
    // Dir  At           Length  Arrows  Start ext    End ext     Pos  Offset  Inch text    Millimetre text
    {V,    170,   12,    -25,    End,       0,   0,    -20,   5,    5,    0,    " 1.00\"",   " 25 mm"},
    {V,    170,   26,     24,    Both,    -10,   5,    -20,   5,    5,    0,    " 2.00\"",   " 51 mm"},
};
// clang-format on

// Where each drawing goes on the page.
constexpr QPoint kModels1To3Origin(150, 100);
constexpr QPoint kModel4Origin(75, 120);
constexpr QPoint kModels5To7Origin(130, 80);
constexpr QPoint kModel8Origin(85, 60);
constexpr QPoint kModel9Origin(60, 100);
constexpr QPoint kModels10To14Origin(15, 100);
constexpr QPoint kModel15Origin(50, 100);
constexpr QPoint kFixingPlanSmallModels(30, 370);  // models 5 to 7
constexpr QPoint kFixingPlanLargeModels(30, 385);  // models 8 to 14

void DrawModels1To3(Canvas& canvas, bool metric) {
    const QPoint o = kModels1To3Origin;
    DrawPicture(canvas, o, DrgImage::LrbSideElevationImage);
    DrawPicture(canvas, o + QPoint(230, 0), DrgImage::LrbTopImage);
    DrawDimensionRows(canvas, o, kModels1To3Dimensions, metric);
    DrawNoteRows(canvas, o, kModels1To3Notes);
    // After the notes, so the word stands on their yellow ground.
    canvas.TextOut(o.x() + 280, o.y() + 100, canvas.Say(Tr("Drawings", "PLAN")));
}

void DrawModel4(Canvas& canvas, bool metric) {
    const QPoint o = kModel4Origin;
    DrawPicture(canvas, o, DrgImage::FourRBW2DrgImage);
    DrawPicture(canvas, o + QPoint(350, 0), DrgImage::FourRBW2SideElevationImage);
    DrawDimensionRows(canvas, o, kModel4Dimensions, metric);
    DrawNoteRows(canvas, o, kModel4Notes);
}

// A drawing made of one outline picture, its dimensions and notes, and the
// fixing-slot detail at the foot of the page.
struct SlotFixedDrawing {
    DrgImage picture;
    QPoint origin;
    std::span<const DimensionRow> dimensions;
    std::span<const NoteRow> notes;
    QPoint fixingPlan;
};

void DrawSlotFixed(Canvas& canvas, const SlotFixedDrawing& d, bool metric, int pumpNo) {
    DrawPicture(canvas, d.origin, d.picture);
    DrawDimensionRows(canvas, d.origin, d.dimensions, metric, pumpNo);
    DrawNoteRows(canvas, d.origin, d.notes, pumpNo);
    DrawFixingPlan(canvas, d.fixingPlan.x(), d.fixingPlan.y(), metric);
}

void DrawModel15(Canvas& canvas, bool metric) {
    const QPoint o = kModel15Origin;
    DrawPicture(canvas, o, DrgImage::VRBW2drgImage);
    DrawDimensionRows(canvas, o, kModel15Dimensions, metric);
    DrawNoteRows(canvas, o, kModel15Notes);
}

}  // namespace

void DrawFixingPlan(Canvas& canvas, int x, int y, bool metric) {
    const QPoint at(x, y);
    DrawPicture(canvas, at, DrgImage::fixPlanImage);
    DrawDimensionRows(canvas, at, kFixingPlanDimensions, metric);
}

void DrawModelDrawing(Canvas& canvas, int pumpNo, bool metric) {
    PrepareDrawingPage(canvas);
    switch (pumpNo) {
        case 1:
        case 2:
        case 3:
            DrawModels1To3(canvas, metric);
            break;
        case 4:
            DrawModel4(canvas, metric);
            break;
        case 5:
            DrawSlotFixed(
                canvas,
                {DrgImage::RB8DrgImage, kModels5To7Origin, kModel5Dimensions, kModel5Notes, kFixingPlanSmallModels},
                metric, pumpNo);
            break;
        case 6:
        case 7:
            DrawSlotFixed(canvas,
                          {DrgImage::RB30DrgImage, kModels5To7Origin, kModels6To7Dimensions, kModels6To7Notes,
                           kFixingPlanSmallModels},
                          metric, pumpNo);
            break;
        case 8:
            DrawSlotFixed(
                canvas,
                {DrgImage::RBW2drgImage, kModel8Origin, kModel8Dimensions, kModel8Notes, kFixingPlanLargeModels},
                metric, pumpNo);
            break;
        case 9:
            DrawSlotFixed(
                canvas,
                {DrgImage::RBW5drgImage, kModel9Origin, kModel9Dimensions, kModel9Notes, kFixingPlanLargeModels},
                metric, pumpNo);
            break;
        case 10:
        case 11:
            DrawSlotFixed(canvas,
                          {DrgImage::RBW15drgImage, kModels10To14Origin, kModels10To11Dimensions, kModels10To11Notes,
                           kFixingPlanLargeModels},
                          metric, pumpNo);
            break;
        case 12:
        case 13:
        case 14:
            DrawSlotFixed(canvas,
                          {DrgImage::RBZ15drgImage, kModels10To14Origin, kModels12To14Dimensions, kModels12To14Notes,
                           kFixingPlanLargeModels},
                          metric, pumpNo);
            break;
        case 15:
            DrawModel15(canvas, metric);
            break;
        default:
            DrawNotWrittenMessage(canvas, NotWrittenMessageAt.x(), NotWrittenMessageAt.y());
            break;
    }
    if (pumpNo >= 1 && pumpNo <= PumpCount)
        DrawDrawingTitle(canvas, QString::fromStdString(CatalogueRow(pumpNo).DisplayName()));
}

}  // namespace zorvik
