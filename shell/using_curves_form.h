#pragma once
// How to read a performance graph, beside an example graph of a
// double-acting model. Its texts, unlike those of the other information
// windows, keep the focus when entered.

#include <QDialog>
#include <memory>

namespace Ui {
class TZampUsingCurvesForm;
}

namespace zorvik {

class TZampUsingCurvesForm : public QDialog {
    Q_OBJECT
public:
    explicit TZampUsingCurvesForm(QWidget* parent = nullptr);
    ~TZampUsingCurvesForm() override;

private:
    void DrawExampleGraph();

    std::unique_ptr<Ui::TZampUsingCurvesForm> ui;
};

}  // namespace zorvik
