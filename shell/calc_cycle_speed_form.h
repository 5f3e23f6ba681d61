#pragma once
// Working out an amplifier's cycle speed from its displacement per cycle.

#include <QDialog>
#include <memory>

namespace Ui {
class TZampCalcCycleSpeedForm;
}

namespace zorvik {

class TZampCalcCycleSpeedForm : public QDialog {
    Q_OBJECT
public:
    explicit TZampCalcCycleSpeedForm(QWidget* parent = nullptr);
    ~TZampCalcCycleSpeedForm() override;

private:
    void CyclingSpeedMemoEnter(QWidget* memo, Qt::FocusReason reason);

    std::unique_ptr<Ui::TZampCalcCycleSpeedForm> ui;
};

}  // namespace zorvik
