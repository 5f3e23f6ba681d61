#pragma once
// Holds the outline pictures of the dimension drawings; never shown.

#include <QDialog>

namespace zorvik {

class TAmplifiersDrgImagesForm : public QDialog {
    Q_OBJECT
public:
    explicit TAmplifiersDrgImagesForm(QWidget* parent = nullptr);
};

}  // namespace zorvik
