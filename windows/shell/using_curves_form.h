#pragma once
// How to read a performance graph, beside an example graph of a
// double-acting model. Its texts, unlike those of the other information
// windows, keep the focus when entered.

#include "chart_view.h"
#include "lazy_dialog.h"

namespace Ui {
class TZampUsingCurvesForm;
}

namespace zorvik {

class DataTableDialog;

class TZampUsingCurvesForm : public LazyDialog {
    Q_OBJECT
public:
    explicit TZampUsingCurvesForm(QWidget* parent = nullptr);
    ~TZampUsingCurvesForm() override;

private:
    void Build() override;
    void Retranslate() override;
    void DrawExampleGraph();
    void ShowChartTable();

    LazyUi<Ui::TZampUsingCurvesForm> ui{this};
    ChartView example_;
    // The example's figures, made when first asked for; a child of the window.
    DataTableDialog* chartTable_ = nullptr;
};

}  // namespace zorvik
