#pragma once
// Holds the product pictures of the main window; never shown.

#include <QDialog>

namespace zorvik {

class TzampImagesForm : public QDialog {
    Q_OBJECT
public:
    explicit TzampImagesForm(QWidget* parent = nullptr);
};

}  // namespace zorvik
