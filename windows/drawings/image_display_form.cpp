#include "image_display_form.h"

#include <QShowEvent>

#include "shared_state.h"
#include "dimension_drawings.h"
#include "view_range.h"
#include "graph_form.h"
#include "performance_chart.h"
#include "state_picture.h"
#include "clipboard.h"
#include "screen_placement.h"
#include "ui_image_display_form.h"

namespace zorvik {

TimageDisplayForm::TimageDisplayForm(QWidget* parent) : LazyDialog(parent) {}

void TimageDisplayForm::Build() {
    ui.SetUp();
    setFixedSize(size());
    connect(ui->flipUnitsBitBtn, &QPushButton::clicked, this, &TimageDisplayForm::flipUnitsBitBtnClick);
    connect(ui->printBitBtn, &QPushButton::clicked, this, &TimageDisplayForm::printBitBtnClick);
    connect(ui->CopyToClipboardBitBtn, &QPushButton::clicked, this, &TimageDisplayForm::CopyToClipboardBitBtnClick);
    connect(ui->OkBitBtn, &QPushButton::clicked, this, &TimageDisplayForm::OkBitBtnClick);
}

TimageDisplayForm::~TimageDisplayForm() = default;

void TimageDisplayForm::SetGraphWindow(TzampGraph1Form* graphWindow) { zampGraph1Form = graphWindow; }

void TimageDisplayForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TimageDisplayForm::FormShow() {
    CentreOnScreen(*this);
    Redraw();
}

void TimageDisplayForm::flipUnitsBitBtnClick() {
    switch (Shared.DisplayMode) {
        case DisplayDrawingInches:
            Shared.DisplayMode = DisplayDrawingMm;
            break;
        case DisplayDrawingMm:
            Shared.DisplayMode = DisplayDrawingInches;
            break;
        case DisplayChartPsi:
            Shared.DisplayMode = DisplayChartBar;
            break;
        case DisplayChartBar:
            Shared.DisplayMode = DisplayChartPsi;
            break;
        default:
            break;
    }
    Redraw();
}

void TimageDisplayForm::printBitBtnClick() { zampGraph1Form->PrintBitBtnClick(); }

void TimageDisplayForm::CopyToClipboardBitBtnClick() {
    CopyPictureToClipboard(shownPicture_, ui->PerformanceGraphImage->Drawing());
}

void TimageDisplayForm::OkBitBtnClick() { accept(); }

void TimageDisplayForm::ComputeViewRange() {
    const GraphAxisRange range = SelectionViewRange();
    ViewStallOutletPsi = range.outletMaxPsi;
    ViewMaxFlowScfm = range.flowMaxScfm;
}

// Any other mode leaves the picture as it was.
void TimageDisplayForm::Redraw() {
    const std::uint8_t mode = Shared.DisplayMode;
    if (mode == DisplayDrawingInches || mode == DisplayDrawingMm) {
        zampGraph1Form->ShowPicture(PictureOfStateNow(DrawModelDrawing));
    } else if (mode == DisplayChartPsi || mode == DisplayChartBar) {
        ComputeViewRange();
        Shared.ShowChargeCurve = true;
        zampGraph1Form->ShowPicture(PictureOfStateNow([outlet = ViewStallOutletPsi, flow = ViewMaxFlowScfm](Canvas& c) {
            DrawPerformanceGraph(c, ChartOriginX, ChartOriginY, outlet, flow);
        }));
    } else {
        return;
    }
    shownPicture_ = zampGraph1Form->PerformanceGraphImage().copy();
    ui->PerformanceGraphImage->Show(zampGraph1Form->PictureDrawingShown(), shownPicture_.size());
}

}  // namespace zorvik
