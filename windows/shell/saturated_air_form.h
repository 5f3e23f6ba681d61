#pragma once
// Moisture in boosted air: the saturation chart in degC or degF and four
// dryer examples chosen by tabs. The tab and the unit stay as the user left
// them when the window is opened again.

#include "lazy_dialog.h"

namespace Ui {
class TZampSaturatedAirForm;
}

namespace zorvik {

class TZampSaturatedAirForm : public LazyDialog {
    Q_OBJECT
public:
    explicit TZampSaturatedAirForm(QWidget* parent = nullptr);
    ~TZampSaturatedAirForm() override;

private:
    void Build() override;
    void Retranslate() override;
    void ShowTabCaptions();
    void TabSet1Click();
    void DegCRadioButtonClick();
    void Refrig32FMemoEnter(QWidget* memo, Qt::FocusReason reason);

    LazyUi<Ui::TZampSaturatedAirForm> ui{this};
};

}  // namespace zorvik
