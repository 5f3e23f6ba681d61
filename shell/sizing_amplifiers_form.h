#pragma once
// The questions that size an amplifier, and how to determine the flow.

#include <QDialog>
#include <memory>

namespace Ui {
class TZampSizingAmplifiersForm;
}

namespace zorvik {

class TZampSizingAmplifiersForm : public QDialog {
    Q_OBJECT
public:
    explicit TZampSizingAmplifiersForm(QWidget* parent = nullptr);
    ~TZampSizingAmplifiersForm() override;

private:
    void SeveralFactorsMemoEnter(QWidget* memo, Qt::FocusReason reason);

    std::unique_ptr<Ui::TZampSizingAmplifiersForm> ui;
};

}  // namespace zorvik
