#pragma once
// What an air pressure amplifier is and how it works; opens the windows on
// performance curves and on sizing.

#include "lazy_dialog.h"

namespace Ui {
class TZampGeneralDescriptionForm;
}

namespace zorvik {

class TZampUsingCurvesForm;
class TZampSizingAmplifiersForm;

class TZampGeneralDescriptionForm : public LazyDialog {
    Q_OBJECT
public:
    explicit TZampGeneralDescriptionForm(QWidget* parent = nullptr);
    ~TZampGeneralDescriptionForm() override;

    // The windows its buttons open; they are created after this one.
    void SetSubWindows(TZampUsingCurvesForm* usingCurves, TZampSizingAmplifiersForm* sizing);

private:
    void Build() override;
    void Retranslate() override;
    void UseCurvesBitBtnClick();
    void SizingBitBtnClick();
    void AnAirPressurreMemoEnter(QWidget* memo, Qt::FocusReason reason);

    LazyUi<Ui::TZampGeneralDescriptionForm> ui{this};
    TZampUsingCurvesForm* usingCurves_ = nullptr;
    TZampSizingAmplifiersForm* sizing_ = nullptr;
};

}  // namespace zorvik
