#include "data_sheet_print.h"

namespace zorvik {

PrintResult PrintDataSheet(QPrinter& printer, const PictureDrawing& picture, const TAddressData& office) {
    PrinterPage sheet(printer, DataSheetTitle);
    return PrintDataSheet(sheet, picture, office);
}

}  // namespace zorvik
