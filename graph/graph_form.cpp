#include "graph/graph_form.h"

namespace zorvik {

TzampGraph1Form::TzampGraph1Form(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Zorvik Air Pressure Amplifiers  -  Dimensions & Graphs"));
    setFixedSize(792, 573);
}

}  // namespace zorvik
