#include "shell/saturated_air_form.h"

namespace zorvik {

TZampSaturatedAirForm::TZampSaturatedAirForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Saturated Air - Some Precautions"));
    setFixedSize(792, 573);
}

}  // namespace zorvik
