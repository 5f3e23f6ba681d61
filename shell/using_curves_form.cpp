#include "shell/using_curves_form.h"

namespace zorvik {

TZampUsingCurvesForm::TZampUsingCurvesForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Zorvik Air Pressure Amplifiers  -  Using Performance Curves"));
    setFixedSize(792, 573);
}

}  // namespace zorvik
