#pragma once
// The graph window's data sheet on a printer.

#include "data_sheet.h"
#include "printing.h"

class QPrinter;

namespace zorvik {

PrintResult PrintDataSheet(QPrinter& printer, const PictureDrawing& picture, const TAddressData& office);

}  // namespace zorvik
