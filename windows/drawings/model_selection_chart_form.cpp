#include "model_selection_chart_form.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QPrinter>

#include "notices.h"
#include "model_chart_rows.h"
#include "language.h"
#include "model_chart_page.h"
#include "printing.h"
#include "system_numbers.h"
#include "ui_model_selection_chart_form.h"

namespace zorvik {
namespace {

// The chart's tab stops, in pixels from the list's left edge; the headings
// of the form stand at the same positions.
const std::vector<int> ChartTabStops = {6, 120, 212, 310, 380, 540, 620, 700};
constexpr double ChartTabScale = 3.55;

}  // namespace

TZampModelSelectionChartForm::TZampModelSelectionChartForm(Session& session, Notices& notices, QWidget* parent)
    : LazyDialog(parent), session_(session), notices_(notices) {}

void TZampModelSelectionChartForm::Build() {
    ui.SetUp();
    setFixedSize(size());
    connect(ui->flipUnitBitBtn, &QPushButton::clicked, this, &TZampModelSelectionChartForm::flipUnitBitBtnClick);
    connect(ui->PrintBitBtn, &QPushButton::clicked, this, &TZampModelSelectionChartForm::PrintBitBtnClick);
    connect(ui->CloseBitBtn, &QPushButton::clicked, this, &TZampModelSelectionChartForm::CloseBitBtnClick);
    ui->ModelTypesMemo->installEventFilter(this);
    ui->PaExplanationMemo->installEventFilter(this);
    FormCreate();
}

TZampModelSelectionChartForm::~TZampModelSelectionChartForm() = default;

// The rows and the unit captions are figures and units.
void TZampModelSelectionChartForm::Retranslate() { ui->retranslateUi(this); }

void TZampModelSelectionChartForm::FormCreate() {
    ChartInMetric = true;
    FillChart();
    ui->TabListBox1->SelectRow(0);
}

void TZampModelSelectionChartForm::flipUnitBitBtnClick() {
    ChartInMetric = !ChartInMetric;
    FillChart();
}

void TZampModelSelectionChartForm::PrintBitBtnClick() {
    if (!PrintDialog1Printer) PrintDialog1Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!AskPrintDialog(*PrintDialog1Printer, this)) return;
    PrintChart(*PrintDialog1Printer);
}

void TZampModelSelectionChartForm::CloseBitBtnClick() { close(); }

// The memos only explain; the caret moves on past them, backwards when the
// user came back with Shift+Tab so that the way back is not blocked.
void TZampModelSelectionChartForm::ModelTypesMemoEnter(bool forward) { focusNextPrevChild(forward); }

bool TZampModelSelectionChartForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && (watched == ui->ModelTypesMemo || watched == ui->PaExplanationMemo)) {
        ModelTypesMemoEnter(static_cast<QFocusEvent*>(event)->reason() != Qt::BacktabFocusReason);
    }
    return QDialog::eventFilter(watched, event);
}

void TZampModelSelectionChartForm::FillChart() {
    const ChartUnitTexts units = ChartUnits(ChartInMetric);
    ui->PsigLabel1->setText(units.Pressure);
    ui->PsigLabel2->setText(units.Pressure);
    ui->PsigLabel3->setText(units.Pressure);
    ui->CuInLabel->setText(units.Displacement);
    ui->DriveUnitLabel->setText(units.DriveSize);

    ui->TabListBox1->clear();
    ui->TabListBox1->SetTabStops(ChartTabStops, ChartTabScale);
    for (std::string_view row : ChartRows) {
        const bool added = AddChartRow(row);
        Q_ASSERT_X(added, "FillChart", "malformed fixed chart row");
    }
    ui->TabListBox1->SelectRow(-1);
}

bool TZampModelSelectionChartForm::AddChartRow(std::string_view row) {
    const std::optional<ChartFields> fields = ChartRowFields(row, ChartInMetric, SystemDecimalSeparator());
    if (!fields) return false;
    ui->TabListBox1->AddRow(ModelChartRow(*fields, ui->TabListBox1->font()));
    return true;
}

bool TZampModelSelectionChartForm::PrintChart(QPrinter& printer) {
    PrinterPage page(printer, QCoreApplication::translate("ModelSelectionChartPrint", "Zorvik air amplifiers"));
    const PrintResult printed = PrintModelSelectionChart(page, ChartInMetric, ui->TabListBox1->font(),
                                                         session_.Office(), texts::DesktopTranslator());
    return TellPrintResult(printed, tr("The chart").toStdString(), notices_);
}

}  // namespace zorvik
