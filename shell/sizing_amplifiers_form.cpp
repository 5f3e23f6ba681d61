#include "shell/sizing_amplifiers_form.h"

namespace zorvik {

TZampSizingAmplifiersForm::TZampSizingAmplifiersForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Zorvik Air Pressure Amplifiers  -  Sizing"));
    setFixedSize(792, 573);
}

}  // namespace zorvik
