#include "platform/printing.h"

#include <QDate>
#include <QLocale>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

#include "core/notices.h"

namespace zorvik {

bool AskPrintDialog(QPrinter& printer, QWidget* parent) {
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

bool TellPrintResult(PrintResult result, const std::string& document) {
    if (result == PrintResult::Printed) return true;
    CurrentNotices().Beep();
    CurrentNotices().Error(document + " could not be printed: " +
                           (result == PrintResult::NotStarted ? "the printer could not be started."
                                                              : "the job could not be handed to the printer."));
    return false;
}

PrintPage::PrintPage(QPrinter& printer, const QString& documentTitle, bool portrait) : printer_(printer) {
    printer.setDocName(documentTitle);
    printer.setPageOrientation(portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    canvas_ = std::make_unique<Canvas>(printer, printer.resolution());
}

PrintPage::~PrintPage() { End(); }

PrintResult PrintPage::End() {
    if (!canvas_) return PrintResult::NotStarted;
    const bool ended = canvas_->End();
    canvas_.reset();
    const QPrinter::PrinterState state = printer_.printerState();
    if (!ended || state == QPrinter::Error || state == QPrinter::Aborted) return PrintResult::NotHandedOver;
    return PrintResult::Printed;
}

QString ShortDate() { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }

}  // namespace zorvik
