#pragma once
// An entry field of a window as the engineering code reads it.

#include <QLineEdit>

#include "notices.h"

namespace zorvik {

class LineEditField final : public EntryField {
public:
    explicit LineEditField(QLineEdit* edit) : edit_(edit) {}
    std::string Text() const override { return edit_->text().toStdString(); }
    void SetText(const std::string& text) override { edit_->setText(QString::fromStdString(text)); }
    // Hidden by the window's layout; a window that is itself not on screen
    // still counts its laid-out fields as showing.
    bool IsShowing() const override { return edit_->isVisibleTo(edit_->window()); }
    void SetFocus() override { edit_->setFocus(); }

private:
    QLineEdit* edit_;
};

}  // namespace zorvik
