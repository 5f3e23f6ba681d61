#include "selection_entry.h"

#include <QLineEdit>

namespace zorvik {

std::string EntryNumberText(const QString& text, char separator) {
    return EntryNumberText(text.toStdString(), separator);
}

std::string SelectionEntryField::Text() const { return EntryNumberText(edit_->text(), style_.decimal); }

// The procedures write "." numbers; the field shows the system's separator.
void SelectionEntryField::SetText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    if (style_.decimal != '.') shown.replace(QLatin1Char('.'), QLatin1Char(style_.decimal));
    edit_->setText(shown);
}

}  // namespace zorvik
