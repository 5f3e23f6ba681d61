#pragma once
// Explains how a flow is turned into a cycle speed.

#include <QDialog>

namespace zorvik {

class TZampCalcCycleSpeedForm : public QDialog {
    Q_OBJECT
public:
    explicit TZampCalcCycleSpeedForm(QWidget* parent = nullptr);
};

}  // namespace zorvik
