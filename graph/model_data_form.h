#pragma once
// Model Selection Data: the rated limits and constants of the current model,
// pressures in barg and psig side by side whatever units the rest of the
// program shows. Filled anew at every showing; changes nothing.

#include <QDialog>
#include <memory>

namespace Ui {
class TmodelDataForm;
}

namespace zorvik {

class TmodelDataForm : public QDialog {
    Q_OBJECT
public:
    explicit TmodelDataForm(QWidget* parent = nullptr);
    ~TmodelDataForm() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void BitBtn1Click();

    void ShowInletRows();
    void ShowStallFormula();

    std::unique_ptr<Ui::TmodelDataForm> ui;
};

}  // namespace zorvik
