#pragma once
// One-page printouts. Every print command is two steps: ask the print
// dialog, then draw onto the printer it gave. Tests skip the first step and
// hand the second a printer that writes a PDF file.

#include <QString>
#include <memory>
#include <string>

#include "platform/canvas.h"

class QPrinter;
class QWidget;

namespace zorvik {

// Shows the system print dialog (which on Linux also offers printing to a PDF
// file); false when the user cancels.
bool AskPrintDialog(QPrinter& printer, QWidget* parent);

// A printer that writes a PDF file at the resolution of a laser printer.
std::unique_ptr<QPrinter> MakePdfPrinter(const QString& fileName);

// How a print went: the page printed and handed to the printing system, no
// page because the printer could not be started, or a page drawn that the
// printer could not finish or hand over.
enum class PrintResult { Printed, NotStarted, NotHandedOver };

// True when printed; else beeps and tells the user why `document` ("The data
// sheet") could not be printed.
bool TellPrintResult(PrintResult result, const std::string& document);

// A single printed page: the document starts when the page is made and ends
// with End() (or when the page goes away). Coordinates are printer pixels.
class PrintPage {
public:
    PrintPage(QPrinter& printer, const QString& documentTitle, bool portrait = true);
    ~PrintPage();
    PrintPage(const PrintPage&) = delete;
    PrintPage& operator=(const PrintPage&) = delete;

    bool IsOpen() const { return canvas_ != nullptr && canvas_->IsActive(); }
    Canvas& Page() { return *canvas_; }
    int Width() const { return canvas_->Width(); }
    int Height() const { return canvas_->Height(); }
    // The printer's resolution in pixels per inch.
    int PixelsPerInch() const { return canvas_->Dpi(); }
    // Ends the page: Printed only when the painter ended it and the printer
    // is in no error state after it.
    PrintResult End();

private:
    QPrinter& printer_;
    std::unique_ptr<Canvas> canvas_;
};

// Today's date in the system's short date format.
QString ShortDate();

}  // namespace zorvik
