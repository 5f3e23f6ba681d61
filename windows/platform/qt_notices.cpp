#include "qt_notices.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

#include "language.h"

namespace zorvik {
namespace {

// A message box grows with its longest line up to a limit well below a
// screen's width, and cuts what lies beyond it.
constexpr qsizetype kLongestLine = 80;  // characters
constexpr qsizetype kKeptAtEachEnd = 38;

QMessageBox::StandardButton Show(QMessageBox::Icon icon, const QString& title, const Text& text,
                                 QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, MessageBoxText(Say(text, texts::DesktopTranslator())), buttons,
                    QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString WarningTitle() { return QCoreApplication::translate("QtNotices", "Warning"); }

}  // namespace

QString MessageBoxText(const std::string& text) {
    QStringList lines = QString::fromStdString(text).split(QLatin1Char('\r'));
    for (QString& line : lines)
        if (line.size() > kLongestLine) line = line.left(kKeptAtEachEnd) + QChar(0x2026) + line.right(kKeptAtEachEnd);
    return lines.join(QLatin1Char('\n'));
}

void QtNotices::Beep() { QApplication::beep(); }

void QtNotices::Warning(const Text& text) { Show(QMessageBox::Warning, WarningTitle(), text, QMessageBox::Ok); }

void QtNotices::Error(const Text& text) {
    Show(QMessageBox::Critical, QCoreApplication::translate("QtNotices", "Error"), text, QMessageBox::Ok);
}

bool QtNotices::Question(const Text& text) {
    return Show(QMessageBox::Warning, WarningTitle(), text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void QtNotices::CancelWarning(const Text& text) {
    Show(QMessageBox::Warning, WarningTitle(), text, QMessageBox::Cancel);
}

}  // namespace zorvik
