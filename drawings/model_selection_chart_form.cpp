#include "drawings/model_selection_chart_form.h"

namespace zorvik {

TZampModelSelectionChartForm::TZampModelSelectionChartForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Zorvik Air Driven Air Amplifiers - Model Selection Chart"));
    setFixedSize(792, 573);
}

}  // namespace zorvik
