#include "graph/model_data_form.h"

namespace zorvik {

TmodelDataForm::TmodelDataForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Model Selection Data"));
    setFixedSize(520, 430);
}

}  // namespace zorvik
