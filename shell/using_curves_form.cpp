#include "shell/using_curves_form.h"

#include "platform/canvas.h"
#include "shell/info_window_support.h"
#include "ui_using_curves_form.h"

namespace zorvik {

TZampUsingCurvesForm::TZampUsingCurvesForm(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TZampUsingCurvesForm>()) {
    ui->setupUi(this);
    PrepareMemos(this);
    DrawExampleGraph();
    connect(ui->CloseBitBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TZampUsingCurvesForm::~TZampUsingCurvesForm() = default;

// The page on which the example graph stands: white, in a thin grey frame.
void TZampUsingCurvesForm::DrawExampleGraph() {
    QImage& picture = ui->RBW2ExampleGraphImage->Picture();
    Canvas canvas(picture);
    canvas.SetBrushColor(colors::White);
    canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
    canvas.SetBrushColor(colors::Silver);
    canvas.FrameRect(0, 0, canvas.Width(), canvas.Height());
    ui->RBW2ExampleGraphImage->Changed();
}

}  // namespace zorvik
