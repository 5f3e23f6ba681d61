#pragma once
// The picture store of the main window's product display: six product
// pictures, made once at start and kept for the whole run. Never shown.

#include <QDialog>
#include <QImage>

namespace zorvik {

class TzampImagesForm : public QDialog {
    Q_OBJECT
public:
    explicit TzampImagesForm(QWidget* parent = nullptr);

    QImage CRBSingleStageImage;        // 140 x 189, CRB19 single-acting single-stage
    QImage RbwDoubleActingImage;       // 227 x 228, RBW double-acting
    QImage highPressureGaugesImage;    // 285 x 271, high-pressure gauges
    QImage RbzTwoStageImage;           // 284 x 231, RBZ two-stage
    QImage EightRbwDoubleActingImage;  // 274 x 160, 8RBW double-acting
    QImage RBSingleActingImage;        // 227 x 228, RB single-acting
};

}  // namespace zorvik
