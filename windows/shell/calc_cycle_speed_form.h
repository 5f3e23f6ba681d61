#pragma once
// Working out an amplifier's cycle speed from its displacement per cycle.

#include "lazy_dialog.h"

namespace Ui {
class TZampCalcCycleSpeedForm;
}

namespace zorvik {

class TZampCalcCycleSpeedForm : public LazyDialog {
    Q_OBJECT
public:
    explicit TZampCalcCycleSpeedForm(QWidget* parent = nullptr);
    ~TZampCalcCycleSpeedForm() override;

private:
    void Build() override;
    void Retranslate() override;
    void CyclingSpeedMemoEnter(QWidget* memo, Qt::FocusReason reason);

    LazyUi<Ui::TZampCalcCycleSpeedForm> ui{this};
};

}  // namespace zorvik
