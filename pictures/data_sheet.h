#pragma once
// The graph window's picture as a one-page data sheet, on a printer or into
// a PDF file: the window's Print and `zorvik-select sheet` draw the same page.

#include <QString>

#include "office_table.h"
#include "print_page.h"

namespace zorvik {

// The printed picture keeps this width to height ratio on every page size:
// the 617 x 461 picture is stretched a little in height on paper.
inline constexpr int DataSheetPictureWidth = 617;
inline constexpr int DataSheetPictureHeight = 485;

// The document title a print job or PDF file of a data sheet carries.
inline const QString DataSheetTitle = QStringLiteral("Zorvik Air Pressure Amplifiers");

// Draws on a page of Width() x Height() pixels at Dpi(): the office's
// company name, "Data sheet" with today's date, the 617 x 461 `picture`
// drawn afresh as vectors across the page between half-inch margins, and
// the office's contact lines.
void DrawDataSheet(Canvas& page, const PictureDrawing& picture, const TAddressData& office);

// DrawDataSheet on `sheet`, then ends the page.
PrintResult PrintDataSheet(PrintPage& sheet, const PictureDrawing& picture, const TAddressData& office);

}  // namespace zorvik
