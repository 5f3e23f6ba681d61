#pragma once
// What an air pressure amplifier is and how it works.

#include <QDialog>

namespace zorvik {

class TZampGeneralDescriptionForm : public QDialog {
    Q_OBJECT
public:
    explicit TZampGeneralDescriptionForm(QWidget* parent = nullptr);
};

}  // namespace zorvik
