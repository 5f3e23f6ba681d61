#include "printing.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>

#include "notices.h"
#include "language.h"

namespace zorvik {

bool AskPrintDialog(QPrinter& printer, QWidget* parent) {
    // A test driving the program as a user would, but unable to work a
    // modal system dialog, names a PDF file instead.
    const QString pdf = qEnvironmentVariable("ZORVIK_PRINT_TO_PDF");
    if (!pdf.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    }
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<QPrinter> MakePdfPrinter(const QString& fileName) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setResolution(600);
    printer->setOutputFileName(fileName);
    return printer;
}

bool TellPrintResult(PrintResult result, const std::string& document, Notices& notices) {
    if (result == PrintResult::Printed) return true;
    notices.Beep();
    const QString message =
        result == PrintResult::NotStarted
            ? QCoreApplication::translate("Printing", "%1 could not be printed: the printer could not be started.")
            : QCoreApplication::translate("Printing",
                                          "%1 could not be printed: the job could not be handed to the printer.");
    notices.Error(message.arg(QString::fromStdString(document)).toStdString());
    return false;
}

namespace {

QPrinter& Titled(QPrinter& printer, const QString& documentTitle) {
    printer.setDocName(documentTitle);
    return printer;
}

}  // namespace

PrinterPage::PrinterPage(QPrinter& printer, const QString& documentTitle, bool portrait)
    : PrintPage(Titled(printer, documentTitle), portrait), printer_(printer) {
    if (IsOpen()) Page().SetTranslator(texts::DesktopTranslator());
}

PrinterPage::~PrinterPage() { End(); }

bool PrinterPage::HandedOver() const {
    const QPrinter::PrinterState state = printer_.printerState();
    return state != QPrinter::Error && state != QPrinter::Aborted;
}

}  // namespace zorvik
