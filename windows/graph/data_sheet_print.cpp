#include "data_sheet_print.h"

namespace zorvik {

PrintResult PrintDataSheet(QPrinter& printer, const PictureDrawing& picture) {
    PrinterPage sheet(printer, DataSheetTitle);
    return PrintDataSheet(sheet, picture);
}

}  // namespace zorvik
