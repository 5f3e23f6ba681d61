#include "graph/product_images_form.h"

#include "platform/artwork.h"

namespace zorvik {

TzampImagesForm::TzampImagesForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("TzampImagesForm"));
    setFixedSize(648, 488);
    CRBSingleStageImage = Artwork(QStringLiteral("crb_single_stage"), {140, 189});
    RbwDoubleActingImage = Artwork(QStringLiteral("rbw_double_acting"), {227, 228});
    highPressureGaugesImage = Artwork(QStringLiteral("high_pressure_gauges"), {285, 271});
    RbzTwoStageImage = Artwork(QStringLiteral("rbz_two_stage"), {284, 231});
    EightRbwDoubleActingImage = Artwork(QStringLiteral("eight_rbw_double_acting"), {274, 160});
    RBSingleActingImage = Artwork(QStringLiteral("rb_single_acting"), {227, 228});
}

}  // namespace zorvik
