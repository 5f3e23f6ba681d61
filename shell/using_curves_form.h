#pragma once
// How to read the performance curves.

#include <QDialog>

namespace zorvik {

class TZampUsingCurvesForm : public QDialog {
    Q_OBJECT
public:
    explicit TZampUsingCurvesForm(QWidget* parent = nullptr);
};

}  // namespace zorvik
