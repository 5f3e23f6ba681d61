#pragma once
// The questions that size an amplifier, and how to determine the flow.

#include "lazy_dialog.h"

namespace Ui {
class TZampSizingAmplifiersForm;
}

namespace zorvik {

class TZampSizingAmplifiersForm : public LazyDialog {
    Q_OBJECT
public:
    explicit TZampSizingAmplifiersForm(QWidget* parent = nullptr);
    ~TZampSizingAmplifiersForm() override;

private:
    void Build() override;
    void Retranslate() override;
    void ShowTexts();
    void SeveralFactorsMemoEnter(QWidget* memo, Qt::FocusReason reason);

    LazyUi<Ui::TZampSizingAmplifiersForm> ui{this};
};

}  // namespace zorvik
