#pragma once
// Model Selection Data: the rated limits and constants of the session's
// current model, pressures in barg and psig side by side whatever units the
// rest of the program shows. Filled anew at every showing; changes nothing.

#include "lazy_dialog.h"
#include "session.h"

namespace Ui {
class TmodelDataForm;
}

namespace zorvik {

class TmodelDataForm : public LazyDialog {
    Q_OBJECT
public:
    explicit TmodelDataForm(Session& session, QWidget* parent = nullptr);
    ~TmodelDataForm() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Build() override;
    void Retranslate() override;
    void FormShow();
    void ShowModel();
    void BitBtn1Click();

    void ShowInletRows();
    void ShowStallFormula();

    Session& session_;
    LazyUi<Ui::TmodelDataForm> ui{this};
};

}  // namespace zorvik
