#pragma once
// The drawings are tables: one row per dimension or leader note, with
// positions given as offsets from the drawing's origin on the page. These are
// the row types and the routines that draw a table.

#include <QPoint>
#include <span>

#include "drawing_pictures.h"
#include "canvas.h"

namespace zorvik {

enum class Dir { H, V };

// Arrowheads of a table row; a vertical row's Start is its top end.
enum class Arrowheads { Start, End, Both };

// Rows that only some models of a shared drawing carry name the first and
// last of them.
struct ForModels {
    int first = 0;
    int last = 99;
    constexpr bool Has(int pumpNo) const { return pumpNo >= first && pumpNo <= last; }
};

struct DimensionRow {
    Dir dir;
    int atX, atY;
    int length;
    Arrowheads arrows;
    int startExtFrom, startExtTo;
    int endExtFrom, endExtTo;
    int textPos;
    int textOffset;
    const char* inchText;  // nullptr: the dimension has no text
    const char* mmText;
    ForModels models = {};
};

struct NoteRow {
    int atX, atY;  // the point the arrow touches
    int dx, dy;    // the text end, from that point
    int textPos;
    const char* note;  // English; drawn in the language in use (context "Drawings")
    ForModels models = {};
};

// Each row of the table (that belongs to pumpNo) with its position moved by
// the origin, in yellow, with the millimetre texts when metric.
void DrawDimensionRows(Canvas& canvas, QPoint origin, std::span<const DimensionRow> rows, bool metric, int pumpNo = 0);
void DrawNoteRows(Canvas& canvas, QPoint origin, std::span<const NoteRow> rows, int pumpNo = 0);

// An outline picture placed at the drawing's origin `at`, unscaled: its
// top-left corner there, or left of it by the picture's ReachLeft; the
// stored picture on a pixel-exact canvas, the artwork's vectors on any other.
void DrawPicture(Canvas& canvas, QPoint at, DrgImage picture);

}  // namespace zorvik
