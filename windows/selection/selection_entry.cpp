#include "selection_entry.h"

#include <QLineEdit>
#include <QLocale>

namespace zorvik {

char SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point.front().unicode() < 128 ? point.front().toLatin1() : '.';
}

std::string EntryNumberText(const QString& text, char separator) {
    return EntryNumberText(text.toStdString(), separator);
}

std::string SelectionEntryField::Text() const { return EntryNumberText(edit_->text(), separator_); }

// The procedures write "." numbers; the field shows the system's separator.
void SelectionEntryField::SetText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    if (separator_ != '.') shown.replace(QLatin1Char('.'), QLatin1Char(separator_));
    edit_->setText(shown);
}

}  // namespace zorvik
