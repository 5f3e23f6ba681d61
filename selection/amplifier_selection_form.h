#pragma once
// Lists the models that suit an application.

#include <QDialog>

namespace zorvik {

class TAmplifierSelectionForm : public QDialog {
    Q_OBJECT
public:
    explicit TAmplifierSelectionForm(QWidget* parent = nullptr);
};

}  // namespace zorvik
