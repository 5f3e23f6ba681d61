#pragma once
// Printing on a real printer: the print dialog, a page over a QPrinter that
// checks the printer took the job, and the message when it did not.

#include <QString>
#include <memory>
#include <string>

#include "notices.h"
#include "print_page.h"

class QPrinter;
class QWidget;

namespace zorvik {

// Shows the system print dialog (which on Linux also offers printing to a PDF
// file); false when the user cancels. With ZORVIK_PRINT_TO_PDF=<file> set
// in the environment it prints to that PDF file without asking.
bool AskPrintDialog(QPrinter& printer, QWidget* parent);

// A printer that writes a PDF file at the resolution of a laser printer.
std::unique_ptr<QPrinter> MakePdfPrinter(const QString& fileName);

// True when printed; else beeps and tells the user through `notices` why
// `document` ("The data sheet", in the language in use) could not be printed.
bool TellPrintResult(PrintResult result, const std::string& document, Notices& notices);

// A page of a printer, with the document's title; Printed only when the
// printer is in no error state after the page.
class PrinterPage : public PrintPage {
public:
    PrinterPage(QPrinter& printer, const QString& documentTitle, bool portrait = true);
    ~PrinterPage() override;

protected:
    bool HandedOver() const override;

private:
    QPrinter& printer_;
};

}  // namespace zorvik
