#include "using_curves_form.h"

#include "shared_state.h"
#include "graph_settings.h"
#include "performance_chart.h"
#include "canvas.h"
#include "info_window_support.h"
#include "ui_using_curves_form.h"

namespace zorvik {

TZampUsingCurvesForm::TZampUsingCurvesForm(QWidget* parent) : LazyDialog(parent) {}

void TZampUsingCurvesForm::Build() {
    ui.SetUp();
    PrepareMemos(this);
    DrawExampleGraph();
    connect(ui->CloseBitBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TZampUsingCurvesForm::~TZampUsingCurvesForm() = default;

// The example is the RBW-2's own chart at 100 psig drive and 100 psig inlet,
// the operating point the worked example in the text reads off it, drawn by
// the chart code at its full size and scaled to the picture. Drawing a
// chart moves the shared operating point, so the run's own is put back.
void TZampUsingCurvesForm::DrawExampleGraph() {
    const SharedState saved = Shared;
    SelectPump(8);
    Shared.GraphAirDrivePsi = 100;
    Shared.GraphInletScale = 100 / Shared.CurrentPump.GraphInletPsi;
    Shared.DisplayMode = DisplayChartPsi;
    Shared.ShowChargeCurve = false;
    QImage chart(ChartPictureWidth, ChartPictureHeight, QImage::Format_RGB32);
    {
        Canvas canvas(chart);
        DrawGraphSettings(canvas);
    }
    Shared = saved;

    QImage& picture = ui->RBW2ExampleGraphImage->Picture();
    const QImage scaled = chart.scaled(picture.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Canvas canvas(picture);
    canvas.SetBrushColor(colors::White);
    canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
    canvas.Draw((canvas.Width() - scaled.width()) / 2, (canvas.Height() - scaled.height()) / 2, scaled);
    ui->RBW2ExampleGraphImage->Changed();
}

}  // namespace zorvik
