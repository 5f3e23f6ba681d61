#include "drawing_rows.h"

#include <QString>

#include "dimension_primitives.h"

namespace zorvik {
namespace {

int ArrowCode(Dir dir, Arrowheads arrows) {
    const int first = dir == Dir::H ? ArrowStart : ArrowTop;
    switch (arrows) {
        case Arrowheads::Start:
            return first;
        case Arrowheads::End:
            return first + 1;
        case Arrowheads::Both:
            return first + 2;
    }
    return -1;
}

QString Latin1(const char* text) { return text == nullptr ? QString() : QString::fromLatin1(text); }

}  // namespace

void DrawDimensionRows(Canvas& canvas, QPoint origin, std::span<const DimensionRow> rows, bool metric, int pumpNo) {
    for (const DimensionRow& r : rows) {
        if (pumpNo != 0 && !r.models.Has(pumpNo)) continue;
        const auto draw = r.dir == Dir::H ? DrawHorizontalDimension : DrawVerticalDimension;
        draw(canvas, origin.x() + r.atX, origin.y() + r.atY, r.length, ArrowCode(r.dir, r.arrows), Latin1(r.inchText),
             Latin1(r.mmText), metric, r.textPos, r.textOffset, r.startExtFrom, r.startExtTo, r.endExtFrom, r.endExtTo,
             DrawingFill);
    }
}

void DrawNoteRows(Canvas& canvas, QPoint origin, std::span<const NoteRow> rows, int pumpNo) {
    for (const NoteRow& r : rows) {
        if (pumpNo != 0 && !r.models.Has(pumpNo)) continue;
        DrawLeaderNote(canvas, origin.x() + r.atX, origin.y() + r.atY, DrawingFill, r.textPos,
                       canvas.Say(Tr("Drawings", r.note)), r.dy, r.dx);
    }
}

void DrawPicture(Canvas& canvas, QPoint at, DrgImage picture) {
    canvas.DrawArtwork(at.x() - DrawingPictures::ReachLeft(picture), at.y(), DrawingPictures::PictureSize(picture),
                       DrawingPictures::ArtworkName(picture));
}

}  // namespace zorvik
