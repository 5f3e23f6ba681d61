#include "shell/introduction_form.h"

namespace zorvik {

TZorvikAmpIntroductionForm::TZorvikAmpIntroductionForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Zorvik Introduction"));
    setFixedSize(792, 573);
}

}  // namespace zorvik
