#pragma once
// Typical applications and key features.

#include "lazy_dialog.h"

namespace Ui {
class TZampApplicationsForm;
}

namespace zorvik {

class TZampApplicationsForm : public LazyDialog {
    Q_OBJECT
public:
    explicit TZampApplicationsForm(QWidget* parent = nullptr);
    ~TZampApplicationsForm() override;

private:
    void Build() override;
    void Retranslate() override;
    void ShowTexts();
    void AnAlternativeMemoEnter(QWidget* memo, Qt::FocusReason reason);

    LazyUi<Ui::TZampApplicationsForm> ui{this};
};

}  // namespace zorvik
