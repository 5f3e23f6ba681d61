#include "drawing_images_form.h"

namespace zorvik {

TAmplifiersDrgImagesForm::TAmplifiersDrgImagesForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("TAmplifiersDrgImagesForm"));
    setFixedSize(648, 488);
}

}  // namespace zorvik
