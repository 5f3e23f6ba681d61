#include "shell/calc_cycle_speed_form.h"

namespace zorvik {

TZampCalcCycleSpeedForm::TZampCalcCycleSpeedForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Calculation of Cycle Speed"));
    setFixedSize(692, 533);
}

}  // namespace zorvik
