#pragma once
// Operating guidelines; opens the windows on cycle speed and saturated air.

#include <QDialog>
#include <memory>

namespace Ui {
class TZampOperationalGuideForm;
}

namespace zorvik {

class TZampCalcCycleSpeedForm;
class TZampSaturatedAirForm;

class TZampOperationalGuideForm : public QDialog {
    Q_OBJECT
public:
    explicit TZampOperationalGuideForm(QWidget* parent = nullptr);
    ~TZampOperationalGuideForm() override;

    // The windows its buttons open.
    void SetSubWindows(TZampCalcCycleSpeedForm* cycleSpeed, TZampSaturatedAirForm* saturatedAir);

private:
    void CalcCycleSpeedBitBtnClick();
    void SaturatedAirBitBtnClick();
    void WhileZorvikMemoEnter(QWidget* memo, Qt::FocusReason reason);

    std::unique_ptr<Ui::TZampOperationalGuideForm> ui;
    TZampCalcCycleSpeedForm* cycleSpeed_ = nullptr;
    TZampSaturatedAirForm* saturatedAir_ = nullptr;
};

}  // namespace zorvik
