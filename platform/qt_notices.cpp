#include "platform/qt_notices.h"

#include <QApplication>
#include <QMessageBox>

namespace zorvik {
namespace {

// The program's texts mark line breaks with "\r".
QString BoxText(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QMessageBox::StandardButton Show(QMessageBox::Icon icon, const QString& title, const std::string& text,
                                 QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, BoxText(text), buttons, QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtNotices::Beep() { QApplication::beep(); }

void QtNotices::Warning(const std::string& text) {
    Show(QMessageBox::Warning, QStringLiteral("Warning"), text, QMessageBox::Ok);
}

void QtNotices::Error(const std::string& text) {
    Show(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok);
}

bool QtNotices::Question(const std::string& text) {
    return Show(QMessageBox::Warning, QStringLiteral("Warning"), text, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

void QtNotices::CancelWarning(const std::string& text) {
    Show(QMessageBox::Warning, QStringLiteral("Warning"), text, QMessageBox::Cancel);
}

}  // namespace zorvik
