#include "selection_entry.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace zorvik {
namespace {

// Would QLineEdit type this key's text? Printable text does, except with
// Ctrl (or Ctrl+Shift) alone, which makes shortcuts.
bool TypesText(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty() || !text.front().isPrint()) return false;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return modifiers != Qt::ControlModifier && modifiers != (Qt::ControlModifier | Qt::ShiftModifier);
}

}  // namespace

char SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point.front().unicode() < 128 ? point.front().toLatin1() : '.';
}

std::string EntryNumberText(const QString& text, char separator) {
    return EntryNumberText(text.toStdString(), separator);
}

bool EntryKeyPasses(const QKeyEvent& event, char separator) {
    if (!TypesText(event)) return true;
    const QString text = event.text();
    if (text.size() != 1) return false;
    const QChar c = text.front();
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(separator);
}

std::string SelectionEntryField::Text() const { return EntryNumberText(edit_->text(), separator_); }

// The procedures write "." numbers; the field shows the system's separator.
void SelectionEntryField::SetText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    if (separator_ != '.') shown.replace(QLatin1Char('.'), QLatin1Char(separator_));
    edit_->setText(shown);
}

}  // namespace zorvik
