#pragma once
// The rated limits and constants of the current model.

#include <QDialog>

namespace zorvik {

class TmodelDataForm : public QDialog {
    Q_OBJECT
public:
    explicit TmodelDataForm(QWidget* parent = nullptr);
};

}  // namespace zorvik
