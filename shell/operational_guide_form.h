#pragma once
// Operating guidelines.

#include <QDialog>

namespace zorvik {

class TZampOperationalGuideForm : public QDialog {
    Q_OBJECT
public:
    explicit TZampOperationalGuideForm(QWidget* parent = nullptr);
};

}  // namespace zorvik
