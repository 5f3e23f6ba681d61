#include "product_images_form.h"

#include "canvas.h"

namespace zorvik {
namespace {

struct PictureSource {
    const char* artwork;
    int width;
    int height;
};

constexpr PictureSource kSources[TzampImagesForm::PictureCount] = {
    {"crb_single_stage", 140, 189}, {"rbw_double_acting", 227, 228},       {"high_pressure_gauges", 285, 271},
    {"rbz_two_stage", 284, 231},    {"eight_rbw_double_acting", 274, 160}, {"rb_single_acting", 227, 228},
};

}  // namespace

TzampImagesForm::TzampImagesForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("TzampImagesForm"));
    setFixedSize(648, 488);
}

void TzampImagesForm::DrawPicture(Canvas& canvas, int x, int y, PictureName name) {
    const PictureSource& source = kSources[name];
    canvas.DrawArtwork(x, y, {source.width, source.height}, QString::fromLatin1(source.artwork), false);
}

}  // namespace zorvik
