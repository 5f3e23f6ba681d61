#pragma once
// The picture store of the main window's product display: six product
// pictures, drawn from the program's own drawings at whatever scale the
// canvas has, so that they stay sharp on a scaled screen. Never shown.

#include <QDialog>

namespace zorvik {

class Canvas;

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

    // Draws the picture with its top-left corner at (x, y), straight onto
    // what is there: the stored picture at scale 1 (rendered the first time
    // it is needed and kept for the run), the drawing's vectors at any other.
    static void DrawPicture(Canvas& canvas, int x, int y, PictureName name);
};

}  // namespace zorvik
