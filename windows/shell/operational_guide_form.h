#pragma once
// Operating guidelines; opens the windows on cycle speed and saturated air.

#include "lazy_dialog.h"

namespace Ui {
class TZampOperationalGuideForm;
}

namespace zorvik {

class TZampCalcCycleSpeedForm;
class TZampSaturatedAirForm;

class TZampOperationalGuideForm : public LazyDialog {
    Q_OBJECT
public:
    explicit TZampOperationalGuideForm(QWidget* parent = nullptr);
    ~TZampOperationalGuideForm() override;

    // The windows its buttons open.
    void SetSubWindows(TZampCalcCycleSpeedForm* cycleSpeed, TZampSaturatedAirForm* saturatedAir);

private:
    void Build() override;
    void Retranslate() override;
    void ShowTexts();
    void CalcCycleSpeedBitBtnClick();
    void SaturatedAirBitBtnClick();
    void WhileZorvikMemoEnter(QWidget* memo, Qt::FocusReason reason);

    LazyUi<Ui::TZampOperationalGuideForm> ui{this};
    TZampCalcCycleSpeedForm* cycleSpeed_ = nullptr;
    TZampSaturatedAirForm* saturatedAir_ = nullptr;
};

}  // namespace zorvik
