#include "graph/adjust_air_drive_form.h"

namespace zorvik {

TAdjustAirDriveForm::TAdjustAirDriveForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Adjust operating conditions"));
    setFixedSize(411, 239);
}

}  // namespace zorvik
