#include "printed_page.h"

#include <QBuffer>
#include <QPdfWriter>

#include "picture_file.h"

namespace zorvik::cli {

bool WritePrintedPage(const std::string& out, const QString& title, const std::function<PrintResult(PrintPage&)>& print,
                      std::string& error) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    PrintResult printed = PrintResult::NotStarted;
    {
        QPdfWriter writer(&bytes);
        writer.setResolution(600);
        writer.setTitle(title);
        PrintPage page(writer);
        printed = print(page);
    }
    QString reason = QStringLiteral("cannot draw the page");
    if (printed == PrintResult::Printed && WriteOutputFile(out, bytes.data(), reason, nullptr)) return true;
    error = reason.toStdString();
    return false;
}

}  // namespace zorvik::cli
