#include "drawings/image_display_form.h"

namespace zorvik {

TimageDisplayForm::TimageDisplayForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Zorvik Air Pressure Amplifiers - Selected Model"));
    setFixedSize(792, 573);
}

}  // namespace zorvik
