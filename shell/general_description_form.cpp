#include "shell/general_description_form.h"

namespace zorvik {

TZampGeneralDescriptionForm::TZampGeneralDescriptionForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Zorvik Air Pressure Amplifiers  -  General Description"));
    setFixedSize(792, 573);
}

}  // namespace zorvik
