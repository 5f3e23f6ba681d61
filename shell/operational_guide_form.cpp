#include "shell/operational_guide_form.h"

namespace zorvik {

TZampOperationalGuideForm::TZampOperationalGuideForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Zorvik Air Pressure Amplifiers  -  Operational Guidelines"));
    setFixedSize(792, 573);
}

}  // namespace zorvik
