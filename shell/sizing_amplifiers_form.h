#pragma once
// How to size an amplifier.

#include <QDialog>

namespace zorvik {

class TZampSizingAmplifiersForm : public QDialog {
    Q_OBJECT
public:
    explicit TZampSizingAmplifiersForm(QWidget* parent = nullptr);
};

}  // namespace zorvik
