#pragma once
// The graph window's picture printed as a one-page data sheet.

#include "platform/printing.h"

class QPrinter;

namespace zorvik {

// The printed picture keeps this width to height ratio on every page size:
// the 617 x 461 picture is stretched a little in height on paper.
inline constexpr int DataSheetPictureWidth = 617;
inline constexpr int DataSheetPictureHeight = 485;

// Prints, on one page of `printer`: the chosen office's company name, "Data
// sheet" with today's date, the 617 x 461 `picture` drawn afresh as vectors
// across the page between half-inch margins, and the office's contact lines.
PrintResult PrintDataSheet(QPrinter& printer, const PictureDrawing& picture);

}  // namespace zorvik
