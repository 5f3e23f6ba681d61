#pragma once
// The form that held the outline pictures of the dimension drawings; never
// shown. The pictures themselves are DrawingPictures'.

#include <QDialog>

#include "drawing_pictures.h"

namespace zorvik {

class TAmplifiersDrgImagesForm : public QDialog {
    Q_OBJECT
public:
    explicit TAmplifiersDrgImagesForm(QWidget* parent = nullptr);
};

}  // namespace zorvik
