#include "selection/amplifier_selection_form.h"

namespace zorvik {

TAmplifierSelectionForm::TAmplifierSelectionForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Zorvik Air Pressure Amplifiers  -  Selection"));
    setFixedSize(792, 573);
}

}  // namespace zorvik
