#include "image_display_form.h"

#include <QPrinter>
#include <QShortcut>
#include <QShowEvent>

#include "chart_table.h"
#include "clipboard.h"
#include "data_table_dialog.h"
#include "data_sheet_print.h"
#include "dimension_drawings.h"
#include "performance_chart.h"
#include "picture_descriptions.h"
#include "printing.h"
#include "screen_placement.h"
#include "ui_image_display_form.h"
#include "language.h"

namespace zorvik {
namespace {

bool ShowsChart(std::uint8_t mode) { return mode == DisplayChartPsi || mode == DisplayChartBar; }

}  // namespace

TimageDisplayForm::TimageDisplayForm(Session& session, Notices& notices, QWidget* parent)
    : LazyDialog(parent), session_(session), notices_(notices) {}

void TimageDisplayForm::Build() {
    ui.SetUp();
    setFixedSize(size());
    connect(ui->flipUnitsBitBtn, &QPushButton::clicked, this, &TimageDisplayForm::flipUnitsBitBtnClick);
    connect(ui->printBitBtn, &QPushButton::clicked, this, &TimageDisplayForm::printBitBtnClick);
    connect(ui->CopyToClipboardBitBtn, &QPushButton::clicked, this, &TimageDisplayForm::CopyToClipboardBitBtnClick);
    connect(ui->OkBitBtn, &QPushButton::clicked, this, &TimageDisplayForm::OkBitBtnClick);
    // The chart's figures from the keyboard: on the picture, or anywhere in
    // the window.
    ui->PerformanceGraphImage->setFocusPolicy(Qt::StrongFocus);
    connect(ui->PerformanceGraphImage, &PictureBox::activated, this, &TimageDisplayForm::ShowChartTable);
    connect(ui->chartTableBitBtn, &QPushButton::clicked, this, &TimageDisplayForm::ShowChartTable);
    connect(new QShortcut(QKeySequence(tr("Ctrl+T")), this), &QShortcut::activated, this,
            &TimageDisplayForm::ShowChartTable);
}

// The chosen row's chart in the units the window shows.
ChartView TimageDisplayForm::ChartInMode() const {
    ChartView view = chart_;
    view.bar = session_.DisplayMode == DisplayChartBar;
    view.axes = ChartAxisRule::SelectionViewer;
    return view;
}

void TimageDisplayForm::ShowChartTable() {
    if (ShowsChart(session_.DisplayMode)) ShowDataTable(chartTable_, this, PerformanceChartTable(ChartInMode()));
}

TimageDisplayForm::~TimageDisplayForm() = default;

// The picture's words are drawn again with it, once there is one.
void TimageDisplayForm::Retranslate() {
    ui->retranslateUi(this);
    if (drawing_) Redraw();
}

void TimageDisplayForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TimageDisplayForm::FormShow() {
    CentreOnScreen(*this);
    Redraw();
    ui->OkBitBtn->setFocus();
}

void TimageDisplayForm::flipUnitsBitBtnClick() {
    std::uint8_t& mode = session_.DisplayMode;
    switch (mode) {
        case DisplayDrawingInches:
            mode = DisplayDrawingMm;
            break;
        case DisplayDrawingMm:
            mode = DisplayDrawingInches;
            break;
        case DisplayChartPsi:
            mode = DisplayChartBar;
            break;
        case DisplayChartBar:
            mode = DisplayChartPsi;
            break;
        default:
            break;
    }
    Redraw();
}

void TimageDisplayForm::printBitBtnClick() {
    if (!PrintDialog1Printer) PrintDialog1Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!AskPrintDialog(*PrintDialog1Printer, this)) return;
    PrintDataSheetOn(*PrintDialog1Printer);
}

bool TimageDisplayForm::PrintDataSheetOn(QPrinter& printer) {
    return TellPrintResult(PrintDataSheet(printer, drawing_, session_.Office()), tr("The data sheet").toStdString(),
                           notices_);
}

void TimageDisplayForm::CopyToClipboardBitBtnClick() {
    CopyPictureToClipboard(shownPicture_, Speaking(texts::DesktopTranslator(), drawing_));
}

void TimageDisplayForm::OkBitBtnClick() { accept(); }

// Any other mode leaves the picture as it was.
void TimageDisplayForm::Redraw() {
    const std::uint8_t mode = session_.DisplayMode;
    PictureBox* picture = ui->PerformanceGraphImage;
    ui->chartTableBitBtn->setVisible(ShowsChart(mode));
    if (mode == DisplayDrawingInches || mode == DisplayDrawingMm) {
        const DrawingView view{chart_.model, mode == DisplayDrawingMm, 0, {}};
        Show([view](Canvas& canvas) { DrawDrawing(canvas, view); });
        picture->setAccessibleName(DrawingName());
        picture->setAccessibleDescription(DrawingDescription(view));
    } else if (ShowsChart(mode)) {
        const ChartView view = ChartInMode();
        const GraphAxisRange range = ChartAxisRange(view);
        ViewStallOutletPsi = range.outletMaxPsi;
        ViewMaxFlowScfm = range.flowMaxScfm;
        Show([view](Canvas& canvas) { DrawChart(canvas, view); });
        picture->setAccessibleName(PerformanceChartName());
        picture->setAccessibleDescription(PerformanceChartDescription(view));
        if (chartTable_ != nullptr && chartTable_->isVisible()) chartTable_->SetTable(PerformanceChartTable(view));
    }
}

void TimageDisplayForm::Show(const PictureDrawing& drawing) {
    drawing_ = drawing;
    const QSize size(ChartPictureWidth, ChartPictureHeight);
    shownPicture_ = QImage(size, QImage::Format_RGB32);
    shownPicture_.fill(Qt::white);
    {
        Canvas canvas(shownPicture_);
        canvas.SetTranslator(texts::DesktopTranslator());
        drawing(canvas);
    }
    ui->PerformanceGraphImage->Show(drawing, size);
}

}  // namespace zorvik
