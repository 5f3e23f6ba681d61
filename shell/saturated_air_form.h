#pragma once
// Moisture in boosted air: the saturation chart in degC or degF and four
// dryer examples chosen by tabs. The tab and the unit stay as the user left
// them when the window is opened again.

#include <QDialog>
#include <memory>

namespace Ui {
class TZampSaturatedAirForm;
}

namespace zorvik {

class TZampSaturatedAirForm : public QDialog {
    Q_OBJECT
public:
    explicit TZampSaturatedAirForm(QWidget* parent = nullptr);
    ~TZampSaturatedAirForm() override;

private:
    void TabSet1Click();
    void DegCRadioButtonClick();
    void Refrig32FMemoEnter(QWidget* memo, Qt::FocusReason reason);

    std::unique_ptr<Ui::TZampSaturatedAirForm> ui;
};

}  // namespace zorvik
