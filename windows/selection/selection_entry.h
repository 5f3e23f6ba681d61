#pragma once
// How the selection window's entry fields take numbers: the decimal
// separator they show, and how their texts reach the entry routines and
// the unit switch.
//
// Numbers are read with "." as the decimal point but shown with the
// system's separator. Where the two differ (a comma, say), a text that the
// window wrote itself or that the user typed with the system's separator
// must still read back, so it is read with its separator taken as ".". A
// thousands separator is never read (number_style.h).

#include <QChar>
#include <QString>
#include <optional>
#include <string>

#include "notices.h"
#include "numeric_entry.h"
#include "line_edit_field.h"
#include "entry_units.h"
#include "system_numbers.h"

class QLineEdit;

namespace zorvik {

// EntryNumberText of a line edit's text (see entry_units.h).
std::string EntryNumberText(const QString& text, char separator);

// A line edit as the selection procedures read it, taking the window's
// decimal separator into account both ways.
class SelectionEntryField final : public EntryField {
public:
    SelectionEntryField(QLineEdit* edit, NumberStyle style) : edit_(edit), field_(edit), style_(std::move(style)) {}
    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool IsShowing() const override { return field_.IsShowing(); }
    void SetFocus() override { field_.SetFocus(); }
    NumberStyle Style() const override { return style_; }

private:
    QLineEdit* edit_;
    LineEditField field_;
    NumberStyle style_;
};

}  // namespace zorvik
