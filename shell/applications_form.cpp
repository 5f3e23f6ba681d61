#include "shell/applications_form.h"

namespace zorvik {

TZampApplicationsForm::TZampApplicationsForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Zorvik Air Pressure Amplifiers  -  Applications and Benefits"));
    setFixedSize(792, 573);
}

}  // namespace zorvik
