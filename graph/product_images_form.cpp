#include "graph/product_images_form.h"

namespace zorvik {

TzampImagesForm::TzampImagesForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("TzampImagesForm"));
    setFixedSize(648, 488);
}

}  // namespace zorvik
