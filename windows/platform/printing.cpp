#include "printing.h"

#include <QDate>
#include <QLocale>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

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

PrintPage::PrintPage(QPrinter& printer, const QString& documentTitle, bool portrait) {
    printer.setDocName(documentTitle);
    printer.setPageOrientation(portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    canvas_ = std::make_unique<Canvas>(printer, printer.resolution());
}

PrintPage::~PrintPage() { End(); }

void PrintPage::End() { canvas_.reset(); }

QString ShortDate() { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }

}  // namespace zorvik
