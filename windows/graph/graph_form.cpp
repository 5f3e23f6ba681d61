#include "graph_form.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPrinter>
#include <QShortcut>
#include <QSignalBlocker>
#include <algorithm>

#include "catalogue.h"
#include "dimension_drawings.h"
#include "adjust_air_drive_form.h"
#include "chart_table.h"
#include "chart_text.h"
#include "data_table_dialog.h"
#include "data_sheet_print.h"
#include "list_click.h"
#include "model_data_form.h"
#include "option_rows.h"
#include "performance_chart.h"
#include "picture_descriptions.h"
#include "clipboard.h"
#include "printing.h"
#include "screen_placement.h"
#include "ui_graph_form.h"
#include "language.h"

namespace zorvik {
namespace {

const std::vector<int> ModelListTabStops = {5, 79};
const std::vector<int> OptionListTabStops = {25, 110, 530};
constexpr double TabStopScale = 3.55;

// Every drive pressure caption keeps the margin the psi caption at the
// usual drive pressure has in its panel, set smaller down to this size.
constexpr double kUsualDrivePsi = 90;
constexpr double kSmallestCaptionPoints = 7;

struct ModelTypeLines {
    const char* actionCode;
    const char* firstLine;
    const char* secondLine;
};

// clang-format off
constexpr ModelTypeLines kModelTypes[] = {
    {"SA", QT_TRANSLATE_NOOP("zorvik::TzampGraph1Form", "  Single acting"), QT_TRANSLATE_NOOP("zorvik::TzampGraph1Form", "  Single stage")},
    {"DA", QT_TRANSLATE_NOOP("zorvik::TzampGraph1Form", "  Double acting"), QT_TRANSLATE_NOOP("zorvik::TzampGraph1Form", "  Single stage")},
    {"TS", QT_TRANSLATE_NOOP("zorvik::TzampGraph1Form", "  Double acting"), QT_TRANSLATE_NOOP("zorvik::TzampGraph1Form", "  Two stage")},
};
// clang-format on

bool ShowsChart(const Session& s) { return s.DisplayMode == DisplayChartPsi || s.DisplayMode == DisplayChartBar; }

bool ShowsDrawing(const Session& s) { return s.DisplayMode <= DisplayDrawingMm; }

QString Plain(const std::string& text) { return QString::fromStdString(text); }

// An option row in the language in use; its part number and index stay.
QString OptionRowText(std::string_view row) {
    return QCoreApplication::translate("OptionRows", std::string(row).c_str());
}

}  // namespace

TzampGraph1Form::TzampGraph1Form(Session& session, Notices& notices, QWidget* parent)
    : LazyDialog(parent), session_(session), notices_(notices) {}

void TzampGraph1Form::Build() {
    ui.SetUp();
    setFixedSize(size());
    captionFont_ = ui->DrivePressurePanel->font();
    FormCreate();
    ConnectListClick(ui->TabListBox1, [this] { TabListBox1Click(); });
    ConnectListClick(ui->TabListBox2, [this] { TabListBox2Click(); });
    connect(ui->optionMMRadioButton, &QRadioButton::clicked, this,
            [this] { TabListBox2Click(ui->optionMMRadioButton); });
    connect(ui->OptionInchRadioButton, &QRadioButton::clicked, this,
            [this] { TabListBox2Click(ui->OptionInchRadioButton); });
    connect(ui->DrawGraphBitBtn, &QPushButton::clicked, this, &TzampGraph1Form::DrawGraphBitBtnClick);
    connect(ui->ShowDrawingBitBtn, &QPushButton::clicked, this, &TzampGraph1Form::ShowDrawingBitBtnClick);
    connect(ui->ShowAmplifierBitBtn, &QPushButton::clicked, this, &TzampGraph1Form::ShowAmplifierBitBtnClick);
    connect(ui->AdjustAirDriveBitBtn, &QPushButton::clicked, this, &TzampGraph1Form::AdjustAirDriveBitBtnClick);
    connect(ui->ShowDataBitBtn, &QPushButton::clicked, this, &TzampGraph1Form::ShowDataBitBtnClick);
    connect(ui->CopyToClipboardBitBtn, &QPushButton::clicked, this, &TzampGraph1Form::CopyToClipboardBitBtnClick);
    connect(ui->PrintBitBtn, &QPushButton::clicked, this, &TzampGraph1Form::PrintBitBtnClick);
    connect(ui->CloseBitBtn, &QPushButton::clicked, this, &TzampGraph1Form::CloseBitBtnClick);
    ui->ModelDetailsMemo->installEventFilter(this);
    // The chart's figures from the keyboard: on the picture, or anywhere in
    // the window.
    ui->PerformanceGraphImage->setFocusPolicy(Qt::StrongFocus);
    connect(ui->PerformanceGraphImage, &PictureBox::activated, this, &TzampGraph1Form::ShowChartTable);
    connect(new QShortcut(QKeySequence(tr("Ctrl+T")), this), &QShortcut::activated, this,
            &TzampGraph1Form::ShowChartTable);
}

TzampGraph1Form::~TzampGraph1Form() = default;

// A drawing has no figures to give beyond what its description says.
void TzampGraph1Form::ShowChartTable() {
    if (ShowsChart(session_)) ShowDataTable(chartTable_, this, PerformanceChartTable(chart_));
}

// The chosen option row stays chosen; the picture draws itself again.
void TzampGraph1Form::Retranslate() {
    ui->retranslateUi(this);
    const std::vector<std::string_view> rows = OptionRows(optionPumpNo_);
    for (int i = 0; i < ui->TabListBox2->count() && i < static_cast<int>(rows.size()); ++i)
        ui->TabListBox2->item(i)->setText(OptionRowText(rows[static_cast<std::size_t>(i)]));
    ShowModelType();
    ShowModeControls();
    if (ShowsChart(session_))
        SetDrivePressureCaption(DrivePressureCaption(chart_.drivePsi, chart_.bar, texts::DesktopTranslator()));
}

void TzampGraph1Form::SetSubWindows(TAdjustAirDriveForm* adjustAirDrive, TmodelDataForm* modelData) {
    AdjustAirDriveForm = adjustAirDrive;
    modelDataForm = modelData;
}

QImage& TzampGraph1Form::PerformanceGraphImage() { return ui->PerformanceGraphImage->Picture(); }

// A longer caption (the bar one, or three digits of psig) is set a little
// smaller where it would otherwise fill the panel from edge to edge.
void TzampGraph1Form::SetDrivePressureCaption(const QString& caption) {
    QLabel* panel = ui->DrivePressurePanel;
    const int room = QFontMetrics(captionFont_)
                         .horizontalAdvance(DrivePressureCaption(kUsualDrivePsi, false, texts::DesktopTranslator()));
    QFont font = captionFont_;
    while (QFontMetrics(font).horizontalAdvance(caption) > room && font.pointSizeF() > kSmallestCaptionPoints)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    panel->setFont(font);
    panel->setText(caption);
}

void TzampGraph1Form::ShowPicture(const PictureDrawing& drawing) { ui->PerformanceGraphImage->Show(drawing); }

PictureDrawing TzampGraph1Form::PictureDrawingShown() const { return ui->PerformanceGraphImage->Drawing(); }

// The model names are read from the catalogue, so that making the window
// leaves the current model alone.
void TzampGraph1Form::FormCreate() {
    move(0, 0);
    ui->TabListBox1->SetTabStops(ModelListTabStops, TabStopScale);
    ui->TabListBox2->SetTabStops(OptionListTabStops, TabStopScale);
    for (int n = 1; n <= PumpCount; ++n) {
        const TPumpRecord& pump = CatalogueRow(n);
        ui->TabListBox1->AddRow(QLatin1Char('\t') + Plain(pump.Series) + QLatin1Char('\t') + Plain(pump.RatioText));
    }
    ui->TabListBox1->SelectRow(0);
}

void TzampGraph1Form::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

// Choosing the model draws the picture for the mode in force, so it is drawn
// once here. The buttons are set from the mode as well: the picture viewer
// may have changed it since this window was last open.
void TzampGraph1Form::FormShow() {
    CentreOnScreen(*this);
    TabListBox1Click();
    ShowModeControls();
    ui->ModelDetailsMemo->moveCursor(QTextCursor::Start);
    ui->TabListBox1->setFocus();
}

void TzampGraph1Form::TabListBox1Click() {
    ui->OptionDimensionsPanel->hide();
    session_.PumpIndex = ChosenModelRow() + 1;
    session_.SelectPump(session_.PumpIndex);
    ShowModelType();
    session_.GraphInletScale = 1.0;
    if (ShowModelPicture()) FillOptionList(session_.PumpIndex);
}

// A control-click can unselect the row; the window always shows a model.
int TzampGraph1Form::ChosenModelRow() {
    const int row = std::max(ui->TabListBox1->currentRow(), 0);
    if (ui->TabListBox1->SelectedRow() != row) {
        const QSignalBlocker quiet(ui->TabListBox1);
        ui->TabListBox1->SelectRow(row);
    }
    return row;
}

void TzampGraph1Form::TabListBox2Click(QRadioButton* fromRadioButton) {
    OptionDrawingInMm = ui->optionMMRadioButton->isChecked();
    ui->OptionDimensionsPanel->hide();
    const OptionRowFields option =
        SplitOptionRow(ui->TabListBox2->RowText(ui->TabListBox2->currentRow()).toStdString());
    if (!OptionHasDrawing(option.index)) {
        ShowModelPicture();
        return;
    }
    if (OptionHasDimensionUnits(option.index)) {
        ui->OptionDimensionsPanel->show();
        if (fromRadioButton != nullptr) fromRadioButton->setFocus();
    }
    ShowDrawing({session_.CurrentPump.PumpNo, OptionDrawingInMm, option.index, Plain(option.partNumber)});
    ui->ShowDrawingBitBtn->hide();
    ui->ShowAmplifierBitBtn->show();
}

void TzampGraph1Form::DrawGraphBitBtnClick() {
    std::uint8_t& mode = session_.DisplayMode;
    if (mode < DisplayChartPsi) {
        mode = DisplayChartPsi;
    } else if (mode == DisplayChartPsi) {
        mode = DisplayChartBar;
    } else if (mode == DisplayChartBar) {
        mode = DisplayChartPsi;
    }
    ShowModeControls();
    ShowModelButtons();
    ui->OptionDimensionsPanel->hide();
    DrawGraphSettings();
}

// Inches and millimetres take turns; from a chart (or nothing yet) the
// drawing comes in inches.
void TzampGraph1Form::ShowDrawingBitBtnClick() {
    session_.DisplayMode = session_.DisplayMode == DisplayDrawingInches ? DisplayDrawingMm : DisplayDrawingInches;
    ShowModeControls();
    DrawModel();
}

void TzampGraph1Form::ShowAmplifierBitBtnClick() {
    ShowModelButtons();
    DrawModel();
    ui->OptionDimensionsPanel->hide();
}

void TzampGraph1Form::AdjustAirDriveBitBtnClick() {
    AdjustAirDriveForm->AdjustShowsBar = session_.DisplayMode == DisplayChartBar;
    AdjustAirDriveForm->ChartShown = chart_;
    if (AdjustAirDriveForm->exec() == TAdjustAirDriveForm::NewGraphResult) DrawGraphSettings();
}

void TzampGraph1Form::ShowDataBitBtnClick() { modelDataForm->exec(); }

void TzampGraph1Form::CopyToClipboardBitBtnClick() {
    CopyPictureToClipboard(PerformanceGraphImage(), Speaking(texts::DesktopTranslator(), PictureDrawingShown()));
}

void TzampGraph1Form::PrintBitBtnClick() {
    if (!PrintDialog1Printer) PrintDialog1Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!AskPrintDialog(*PrintDialog1Printer, this)) return;
    PrintDataSheetOn(*PrintDialog1Printer);
}

bool TzampGraph1Form::PrintDataSheetOn(QPrinter& printer) {
    return TellPrintResult(PrintDataSheet(printer, PictureDrawingShown(), session_.Office()),
                           tr("The data sheet").toStdString(), notices_);
}

// The memo only describes the model; the focus moves on past it, backwards
// when the user came back with Shift+Tab so that the way back is not blocked.
void TzampGraph1Form::ModelDetailsMemoEnter(bool forward) { focusNextPrevChild(forward); }

bool TzampGraph1Form::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->ModelDetailsMemo && event->type() == QEvent::FocusIn)
        ModelDetailsMemoEnter(static_cast<QFocusEvent*>(event)->reason() != Qt::BacktabFocusReason);
    return QDialog::eventFilter(watched, event);
}

void TzampGraph1Form::CloseBitBtnClick() { close(); }

// The refilled list starts at its top with no current row, and it is told
// so: a list view that has not been given a current row makes its first row
// current when the focus comes to it (the window shown again, a print
// dialog closed), which would show the first option's drawing while the
// window's mode still says chart.
void TzampGraph1Form::FillOptionList(int pumpNo) {
    const QSignalBlocker quiet(ui->TabListBox2);
    ui->TabListBox2->clear();
    optionPumpNo_ = pumpNo;
    for (std::string_view row : OptionRows(pumpNo)) ui->TabListBox2->AddRow(OptionRowText(row));
    ui->TabListBox2->setCurrentIndex(QModelIndex());
    ui->TabListBox2->scrollToTop();
}

void TzampGraph1Form::ShowModelType() {
    ui->ModelDetailsMemo->clear();
    for (const ModelTypeLines& type : kModelTypes) {
        if (session_.CurrentPump.ActionCode != type.actionCode) continue;
        ui->ModelDetailsMemo->setPlainText(tr(type.firstLine) + QLatin1Char('\n') + tr(type.secondLine));
    }
}

// The buttons offer what the picture does not show: the other unit set, or
// the drawing while a chart is shown; the chart's own controls are live only
// while a chart is shown.
void TzampGraph1Form::ShowModeControls() {
    const bool chart = ShowsChart(session_);
    ui->AdjustAirDriveBitBtn->setEnabled(chart);
    ui->DrivePressurePanel->setVisible(chart);
    if (session_.DisplayMode == DisplayChartPsi) ui->DrawGraphBitBtn->setText(tr("Show &Bar && l/min"));
    if (session_.DisplayMode == DisplayChartBar) ui->DrawGraphBitBtn->setText(tr("Sho&w Psi && Scfm"));
    if (!chart) ui->DrawGraphBitBtn->setText(tr("Show &Graph"));
    if (chart) ui->ShowDrawingBitBtn->setText(tr("Show &Drawing"));
    ShowDrawingCaption();
}

void TzampGraph1Form::ShowDrawingCaption() {
    if (session_.DisplayMode == DisplayDrawingInches) ui->ShowDrawingBitBtn->setText(tr("S&how mm"));
    if (session_.DisplayMode == DisplayDrawingMm) ui->ShowDrawingBitBtn->setText(tr("Show &inches"));
}

// The model's drawing or chart, by the mode in force; false, with nothing
// drawn, in any other mode.
bool TzampGraph1Form::ShowModelPicture() {
    if (ShowsDrawing(session_)) {
        DrawModel();
    } else if (ShowsChart(session_)) {
        DrawGraphSettings();
    } else {
        return false;
    }
    ShowDrawingCaption();
    ShowModelButtons();
    return true;
}

// "Show Amplifier" belongs to an option drawing; once the model's drawing or
// chart is back, the drawing button takes its place again.
void TzampGraph1Form::ShowModelButtons() {
    ui->ShowDrawingBitBtn->show();
    ui->ShowAmplifierBitBtn->hide();
}

// The drawing is in inches only in the inch mode; any other, nothing chosen
// yet among them, gives millimetres.
void TzampGraph1Form::DrawModel() {
    ShowDrawing({session_.CurrentPump.PumpNo, session_.DisplayMode != DisplayDrawingInches, 0, {}});
}

void TzampGraph1Form::ShowDrawing(const DrawingView& view) {
    ShowPicture([view](Canvas& canvas) { DrawDrawing(canvas, view); });
    ui->PerformanceGraphImage->setAccessibleName(DrawingName());
    ui->PerformanceGraphImage->setAccessibleDescription(DrawingDescription(view));
}

// The chart at the session's graph settings; a drive pressure above the
// model's maximum is drawn at the maximum, after the warning.
void TzampGraph1Form::DrawGraphSettings() {
    const PreparedChart prepared = PrepareGraphChart(session_.CurrentPump.PumpNo, session_.GraphAirDrivePsi,
                                                     session_.GraphInletScale, session_.DisplayMode == DisplayChartBar);
    if (!prepared.warning.Empty()) {
        notices_.Beep();
        notices_.Warning(prepared.warning);
    }
    chart_ = prepared.view;
    ShowPicture([view = chart_](Canvas& canvas) { zorvik::DrawChart(canvas, view); });
    SetDrivePressureCaption(DrivePressureCaption(chart_.drivePsi, chart_.bar, texts::DesktopTranslator()));
    ui->PerformanceGraphImage->setAccessibleName(PerformanceChartName());
    ui->PerformanceGraphImage->setAccessibleDescription(PerformanceChartDescription(chart_));
    if (chartTable_ != nullptr && chartTable_->isVisible()) chartTable_->SetTable(PerformanceChartTable(chart_));
}

}  // namespace zorvik
