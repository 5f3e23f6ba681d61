#pragma once
// Changes the chart's air drive and gas inlet pressures.

#include <QDialog>

namespace zorvik {

class TAdjustAirDriveForm : public QDialog {
    Q_OBJECT
public:
    explicit TAdjustAirDriveForm(QWidget* parent = nullptr);
};

}  // namespace zorvik
