#include "using_curves_form.h"

#include <QShortcut>

#include "canvas.h"
#include "chart_table.h"
#include "chart_view.h"
#include "data_table_dialog.h"
#include "performance_chart.h"
#include "picture_descriptions.h"
#include "info_window_support.h"
#include "ui_using_curves_form.h"

namespace zorvik {

TZampUsingCurvesForm::TZampUsingCurvesForm(QWidget* parent) : LazyDialog(parent) {}

void TZampUsingCurvesForm::Build() {
    ui.SetUp();
    PrepareMemos(this);
    DrawExampleGraph();
    connect(ui->CloseBitBtn, &QPushButton::clicked, this, &QDialog::accept);
    // The example's figures from the keyboard, as any chart's.
    ui->RBW2ExampleGraphImage->setFocusPolicy(Qt::StrongFocus);
    connect(ui->RBW2ExampleGraphImage, &PictureBox::activated, this, &TZampUsingCurvesForm::ShowChartTable);
    connect(new QShortcut(QKeySequence(tr("Ctrl+T")), this), &QShortcut::activated, this,
            &TZampUsingCurvesForm::ShowChartTable);
}

void TZampUsingCurvesForm::ShowChartTable() { ShowDataTable(chartTable_, this, PerformanceChartTable(example_)); }

TZampUsingCurvesForm::~TZampUsingCurvesForm() = default;

// The example chart's words are the chart's own: it is drawn again.
void TZampUsingCurvesForm::Retranslate() {
    ui->retranslateUi(this);
    PrepareMemos(this);
    DrawExampleGraph();
}

// The example is the RBW-2's own chart at 100 psig drive and 100 psig inlet,
// the operating point the worked example in the text reads off it, drawn by
// the chart code scaled to the picture as vectors, sharp at any screen
// scale.
void TZampUsingCurvesForm::DrawExampleGraph() {
    constexpr int kModel = 8;
    constexpr double kPressurePsi = 100;
    const ChartView view =
        PrepareGraphChart(kModel, kPressurePsi, kPressurePsi / CatalogueRow(kModel).GraphInletPsi, false).view;
    example_ = view;
    ui->RBW2ExampleGraphImage->setAccessibleName(PerformanceChartName());
    ui->RBW2ExampleGraphImage->setAccessibleDescription(PerformanceChartDescription(view));
    const PictureDrawing chart = [view](Canvas& canvas) { DrawChart(canvas, view); };

    const QSize chartSize(ChartPictureWidth, ChartPictureHeight);
    const QSize room = ui->RBW2ExampleGraphImage->size();
    const QSizeF fitted = QSizeF(chartSize).scaled(QSizeF(room), Qt::KeepAspectRatio);
    const QRectF target(QPointF(room.width() - fitted.width(), room.height() - fitted.height()) / 2, fitted);
    ui->RBW2ExampleGraphImage->Show([chart, chartSize, target](Canvas& canvas) {
        canvas.SetBrushColor(colors::White);
        canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
        canvas.DrawPicture(target, chartSize, chart);
    });
}

}  // namespace zorvik
