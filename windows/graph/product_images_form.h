#pragma once
// The picture store of the main window's product display: six product
// pictures, each drawn the first time it is needed and kept for the whole
// run. Never shown.

#include <QDialog>
#include <QImage>
#include <array>

namespace zorvik {

class TzampImagesForm : public QDialog {
    Q_OBJECT
public:
    enum PictureName {
        CRBSingleStageImage,        // 140 x 189, CRB19 single-acting single-stage
        RbwDoubleActingImage,       // 227 x 228, RBW double-acting
        highPressureGaugesImage,    // 285 x 271, high-pressure gauges
        RbzTwoStageImage,           // 284 x 231, RBZ two-stage
        EightRbwDoubleActingImage,  // 274 x 160, 8RBW double-acting
        RBSingleActingImage,        // 227 x 228, RB single-acting
        PictureCount
    };

    explicit TzampImagesForm(QWidget* parent = nullptr);

    // Drawing all six at start would hold up the main window for pictures
    // that are shown one every ten seconds.
    const QImage& Picture(PictureName name);

private:
    std::array<QImage, PictureCount> pictures_;
};

}  // namespace zorvik
