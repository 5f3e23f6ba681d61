#include "amplifier_selection_form.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QIcon>
#include <QAction>
#include <QPixmap>
#include <QPrinter>
#include <vector>

#include "image_display_form.h"
#include "artwork.h"
#include "canvas.h"
#include "printing.h"
#include "comparison_window.h"
#include "catalogue.h"
#include "continuous_process.h"
#include "duty_point.h"
#include "duty_note.h"
#include "fitted_label.h"
#include "input_check.h"
#include "model_hand_off.h"
#include "number_text.h"
#include "numeric_entry.h"
#include "selection_entry.h"
#include "selection_report.h"
#include "selection_schematic.h"
#include "vessel_charging.h"
#include "ui_amplifier_selection_form.h"
#include "units.h"

namespace zorvik {
namespace {

// The result columns, in pixels from the list's left edge, under the
// column headings.
const std::vector<int> SelectionTabStops = {5, 160, 258, 364, 480, 500};
constexpr double SelectionTabScale = 3.55;
constexpr int SearchingNoticeMs = 1000;
// The gas temperature and the discharge limit follow the eight entry
// fields in EntryFields().
constexpr int kGasTemperatureField = SelectionEntryCount;
constexpr int kTemperatureLimitField = SelectionEntryCount + 1;
const QSize GlyphSize(16, 16);
const QSize SystemPictureSize(104, 54);

// The texts of the window's layouts (selection_layouts.h), in the language in use.
QString LayoutText(const char* text) { return QCoreApplication::translate("SelectionLayouts", text); }

// What one unit of the row's model takes to deliver the flow asked for;
// nothing when no flow is asked for or no unit could be sized.
std::optional<ChartRequiredFlow> RequiredFlowOf(const FlowDuty& duty, const SelectionRow& row) {
    if (!AsksForFlow(duty)) return std::nullopt;
    const FlowDutyPoint point = EvaluateFlowDuty(CatalogueRow(row.pumpNo), duty, row.flow.requested);
    if (!point.Sized()) return std::nullopt;
    return ChartRequiredFlow{point.unitFlowScfm, point.dutySpeedPercent, point.dutyAirScfm};
}

// The chart the picture viewer draws for a listed row: its model at the
// drive and inlet pressures the run read, with the row's full-speed point
// and duty or its charge.
ChartView ChartOfRow(const SelectionResult& run, const SelectionRow& row) {
    ChartView chart;
    chart.model = row.pumpNo;
    chart.axes = ChartAxisRule::SelectionViewer;
    if (run.IsFill()) {
        const ChargeDuty& duty = run.chargeDuty;
        chart.drivePsi = duty.drivePsi;
        chart.inletPsi = duty.inletPsi;
        chart.charge = ChartChargePoints{duty.startPsi, duty.finalPsi, row.charge.flowScfm};
    } else {
        const FlowDuty& duty = run.flowDuty;
        chart.drivePsi = duty.drivePsi;
        chart.inletPsi = duty.inletPsi;
        chart.duty = ChartDutyPoint{duty.outletPsi, row.flow.requested.flowScfm, RequiredFlowOf(duty, row)};
    }
    return chart;
}

// The "Please wait" memo as the procedures show it.
class SearchingMemoNotice final : public SearchingNotice {
public:
    explicit SearchingMemoNotice(QWidget* memo) : memo_(memo) {}
    void Show() override { memo_->show(); }

private:
    QWidget* memo_;
};

}  // namespace

TAmplifierSelectionForm::TAmplifierSelectionForm(Session& session, Notices& notices, QWidget* parent)
    : LazyDialog(parent), session_(session), notices_(notices) {}

void TAmplifierSelectionForm::Build() {
    ui.SetUp();
    setFixedSize(size());
    numberStyle = SystemNumberStyle();
    entryEdits = {ui->pAirDrivePsiEdit, ui->qAirScfmEdit,    ui->pSupplyPsiEdit,  ui->FlowrateReqdScfmEdit,
                  ui->pOutletPsiEdit,   ui->OutStartPsiEdit, ui->OutFinalPsiEdit, ui->OutCapacityFt3Edit};
    entryLabels = {ui->AirDrivePsigLabel, ui->AirDriveFlowScfmLabel, ui->GasInletPsigLabel, ui->FlowRateScfmLabel,
                   ui->OutletPsigLabel,   ui->OutStartPsigLabel,     ui->OutFinalPsigLabel, ui->OutCapacityFt3Label};
    // The figures the window opens with, written as the system writes them.
    for (QLineEdit* edit : entryEdits) edit->setText(SystemNumberText(edit->text().toStdString()));
    // Every key reaches the field: what is not a number is refused, with its
    // message, when the list is made, never dropped unseen as it is typed.
    for (int e = 0; e < SelectionEntryCount; ++e)
        connect(entryEdits[e], &QLineEdit::textChanged, this, [this, e] { pOutletPsiEditChange(SelectionEntry(e)); });
    for (PictureBox* a : {ui->systemAImage, ui->systemAxImage})
        connect(a, &PictureBox::clicked, this, &TAmplifierSelectionForm::systemAImageClick);
    for (PictureBox* b : {ui->systemBImage, ui->systemBxImage})
        connect(b, &PictureBox::clicked, this, &TAmplifierSelectionForm::systemBImageClick);
    // activated, not currentIndexChanged: the layouts set the list themselves.
    connect(ui->ApplicationTypeComboBox, &QComboBox::activated, this,
            &TAmplifierSelectionForm::ApplicationTypeComboBoxClick);
    connect(ui->ListSelectionsBitBtn, &QPushButton::clicked, this, &TAmplifierSelectionForm::ListSelectionsBitBtnClick);
    connect(ui->metricImperialUnitsBitBtn, &QPushButton::clicked, this,
            &TAmplifierSelectionForm::metricImperialUnitsBitBtnClick);
    connect(ui->MainMenuBitBtn, &QPushButton::clicked, this, &TAmplifierSelectionForm::MainMenuBitBtnClick);
    connect(ui->PrintBitBtn, &QPushButton::clicked, this, &TAmplifierSelectionForm::PrintBitBtnClick);
    for (QPushButton* show : {ui->ShowDrawingBitBtn, ui->DrawGraphBitBtn})
        connect(show, &QPushButton::clicked, this, &TAmplifierSelectionForm::ShowDrawingBitBtnClick);
    // clicked, not toggled: only the user's clicks count as input changes.
    for (QCheckBox* box : {ui->disableAirQtyLimitCheckBox, ui->PsEqualToPaCheckBox})
        connect(box, &QCheckBox::clicked, this, &TAmplifierSelectionForm::disableAirQtyLimitCheckBoxClick);
    connect(ui->disableFlowrateLimitCheckBox, &QCheckBox::clicked, this,
            &TAmplifierSelectionForm::disableFlowrateLimitCheckBoxClick);
    FillGasList();
    // The gas is an input like any other: a change clears the list.
    connect(ui->GasComboBox, &QComboBox::activated, this, &TAmplifierSelectionForm::ClearSelections);
    for (QLineEdit* edit : {ui->GasTempEdit, ui->TempLimitEdit})
        connect(edit, &QLineEdit::textChanged, this, &TAmplifierSelectionForm::ClearSelections);
    connect(ui->RealGasCheckBox, &QCheckBox::clicked, this, &TAmplifierSelectionForm::ClearSelections);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TAmplifierSelectionForm::Timer1Timer);
    ui->InstructMemo->installEventFilter(this);
    ui->searchingMemo->installEventFilter(this);
    SetButtonGlyphs();
    ConnectCompare();
    FormCreate();
}

void TAmplifierSelectionForm::ConnectCompare() {
    connect(ui->CompareBitBtn, &QPushButton::clicked, this, &TAmplifierSelectionForm::CompareBitBtnClick);
    TTabListBox* list = ui->SelectionTabListBox;
    compareAction_ = new QAction(tr("C&ompare..."), list);
    connect(compareAction_, &QAction::triggered, this, &TAmplifierSelectionForm::CompareBitBtnClick);
    list->addAction(compareAction_);
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
}

// Comparing makes sense for any inputs that would make a list, also one
// with no model in it: that is when the engineer most needs the reasons.
void TAmplifierSelectionForm::UpdateCompare() {
    std::vector<SelectionEntryField> fields = EntryFields();
    const bool valid = runShown_ || SelectionInputsValid(session_, ControlsOf(fields));
    ui->CompareBitBtn->setEnabled(valid);
    compareAction_->setEnabled(valid);
}

std::vector<int> TAmplifierSelectionForm::ListedModels() const {
    std::vector<int> models;
    for (const SelectionRow& row : lastRun_.rows) models.push_back(row.pumpNo);
    return models;
}

// The selected row of the list, when it is one of the last run's.
const SelectionRow* TAmplifierSelectionForm::ChosenRow() const {
    const int row = ui->SelectionTabListBox->SelectedRow();
    if (row < 0 || row >= static_cast<int>(lastRun_.rows.size())) return nullptr;
    return &lastRun_.rows[static_cast<std::size_t>(row)];
}

// The listed models side by side, or all fifteen when none is listed. Inputs
// not listed yet are listed first, with the list's own messages.
void TAmplifierSelectionForm::CompareBitBtnClick() {
    if (!runShown_) ListSelectionsBitBtnClick();
    if (!runShown_) return;
    std::vector<int> models = ListedModels();
    if (models.empty()) models = AllModels();
    if (!comparisonWindow) comparisonWindow = std::make_unique<ComparisonWindow>(session_, notices_, this);
    comparisonWindow->Open(lastRun_, models, ui->PsEqualToPaCheckBox->isChecked());
    comparisonWindow->show();
    comparisonWindow->raise();
}

TAmplifierSelectionForm::~TAmplifierSelectionForm() = default;

void TAmplifierSelectionForm::SetButtonGlyphs() {
    // clang-format off
    const std::pair<QPushButton*, const char*> glyphs[] = {
        {ui->ShowDrawingBitBtn, "sel_glyph_drawing"}, {ui->DrawGraphBitBtn, "sel_glyph_graph"},
        {ui->PrintBitBtn, "sel_glyph_print"},         {ui->ListSelectionsBitBtn, "sel_glyph_list"},
        {ui->MainMenuBitBtn, "sel_glyph_main_menu"},  {ui->metricImperialUnitsBitBtn, "sel_glyph_units"},
    };
    // clang-format on
    for (const auto& [button, artwork] : glyphs)
        button->setIcon(QIcon(QPixmap::fromImage(RenderArtwork(QString::fromLatin1(artwork), GlyphSize))));
    const std::pair<PictureBox*, const char*> systems[] = {
        {ui->systemAImage, "sel_system_a_chosen"},
        {ui->systemAxImage, "sel_system_a"},
        {ui->systemBImage, "sel_system_b_chosen"},
        {ui->systemBxImage, "sel_system_b"},
    };
    for (const auto& [picture, artwork] : systems)
        picture->SetPicture(RenderArtwork(QString::fromLatin1(artwork), SystemPictureSize, Qt::white));
    for (PictureBox* a : {ui->systemAImage, ui->systemAxImage}) {
        a->setAccessibleName(tr("Continuous process"));
        a->setAccessibleDescription(
            tr("Chooses the layout for a constant pressure source feeding a continuous process"));
    }
    for (PictureBox* b : {ui->systemBImage, ui->systemBxImage}) {
        b->setAccessibleName(tr("Vessel charging"));
        b->setAccessibleDescription(tr("Chooses the layout for charging a vessel"));
    }
}

void TAmplifierSelectionForm::FormCreate() {
    fontSizeCanvas = std::make_unique<Canvas>(ui->fontSizeImage->Picture());
    fontSizeCanvas->SetFont(QStringLiteral("arial"), 12);
    ShowLayout(ApplicationFlow, false);
}

void TAmplifierSelectionForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TAmplifierSelectionForm::FormShow() { ShowInstructions(); }

void TAmplifierSelectionForm::MainMenuBitBtnClick() { close(); }

void TAmplifierSelectionForm::systemAImageClick() { ShowLayout(ApplicationFlow, true); }

void TAmplifierSelectionForm::systemBImageClick() { ShowLayout(ApplicationFillCylinder, true); }

void TAmplifierSelectionForm::ApplicationTypeComboBoxClick(int index) {
    if (index == ApplicationFillCylinder)
        systemBImageClick();
    else
        systemAImageClick();
}

void TAmplifierSelectionForm::ShowLayout(int applicationType, bool focusDrive) {
    const bool fill = applicationType == ApplicationFillCylinder;
    session_.ApplicationType = fill ? ApplicationFillCylinder : ApplicationFlow;
    ui->ApplicationTypeComboBox->setCurrentIndex(session_.ApplicationType);
    (fill ? ui->systemAxImage : ui->systemAImage)->raise();
    (fill ? ui->systemBImage : ui->systemBxImage)->raise();
    for (int e = 0; e < SelectionEntryCount; ++e) {
        const bool shown = ShownInLayout(SelectionEntry(e), session_.ApplicationType);
        entryEdits[e]->setVisible(shown);
        entryLabels[e]->setVisible(shown);
    }
    ui->disableFlowrateLimitCheckBox->setVisible(!fill);
    ui->RealGasCheckBox->setVisible(fill);
    ShowHeadings();
    if (focusDrive) ui->pAirDrivePsiEdit->setFocus();
    ShowSchematic();
    ShowInstructions();
}

void TAmplifierSelectionForm::ShowHeadings() {
    const SelectionHeadings headings = HeadingsOf(session_.ApplicationType, session_.MetricUnits);
    ui->FlowrateHdLabel->setText(LayoutText(headings.flowOrTime));
    ui->AirConsumpHdLabel->setText(LayoutText(headings.air));
    ui->TotalAirConsumpHdLabel->setText(LayoutText(headings.totalAir));
    ui->cyclesMinHdLabel->setText(LayoutText(headings.cycles));
}

// The caption is translated as the schematic is drawn, so it follows a
// change of language with the picture.
void TAmplifierSelectionForm::ShowSchematic() {
    const int type = session_.ApplicationType;
    const bool fill = type == ApplicationFillCylinder;
    ui->SelectionLayoutImage->Show(
        [type, fill](Canvas& canvas) { DrawSelectionSchematic(canvas, fill, LayoutText(SchematicCaption(type))); });
    const QString caption = LayoutText(SchematicCaption(type));
    ui->SelectionLayoutImage->setAccessibleName(tr("Schematic"));
    ui->SelectionLayoutImage->setAccessibleDescription(
        fill ? tr("%1: the drive air and the gas inlet on the left, the vessel on the right").arg(caption)
             : tr("%1: the drive air and the gas inlet on the left, the outlet on the right").arg(caption));
}

// Everything the window writes itself, once its form has its texts again.
// The list keeps its rows (figures and model names) and writes again what
// it says in words.
void TAmplifierSelectionForm::Retranslate() {
    ui->retranslateUi(this);
    compareAction_->setText(tr("C&ompare..."));
    // The form's own caption is the one for imperial units.
    if (session_.MetricUnits) ui->metricImperialUnitsBitBtn->setText(LayoutText(UnitSwitchCaption(true)));
    ShowEntryCaptions();
    ShowHeadings();
    for (int i = 0; i < GasCount; ++i) ui->GasComboBox->setItemText(i, DesktopText(GasDisplayName(AllGases[i])));
    ShowListTexts();
}

void TAmplifierSelectionForm::ShowListTexts() {
    TTabListBox* list = ui->SelectionTabListBox;
    if (runShown_) {
        SetFittedText(*ui->DutyNoteLabel, DutyNoteText(lastRun_));
        if (lastRun_.rows.empty() && list->count() == 1) list->item(0)->setText(tr("No selections"));
        return;
    }
    for (int i = 0; i < list->count() && i < static_cast<int>(InstructionRows.size()); ++i)
        list->item(i)->setText(LayoutText(InstructionRows[static_cast<std::size_t>(i)]));
}

void TAmplifierSelectionForm::ShowInstructions() {
    ClearSelections();
    for (const char* row : InstructionRows) ui->SelectionTabListBox->AddRow(LayoutText(row));
}

void TAmplifierSelectionForm::ClearSelections() {
    lastRun_.rows.clear();
    runShown_ = false;
    ui->SelectionTabListBox->clear();
    SetFittedText(*ui->DutyNoteLabel, {});
    UpdateCompare();
}

void TAmplifierSelectionForm::ListSelectionsBitBtnClick() {
    TTabListBox* list = ui->SelectionTabListBox;
    ClearSelections();
    list->SetTabStops(SelectionTabStops, SelectionTabScale);
    list->show();
    // The rows go in only after the run: the run itself may rewrite the
    // initial vessel pressure field, which clears the list.
    SelectionResult result = RunSelection();
    if (!result.Completed()) return;
    Timer1.start(SearchingNoticeMs);
    lastRun_ = std::move(result);
    runShown_ = true;
    UpdateCompare();
    SetFittedText(*ui->DutyNoteLabel, DutyNoteText(lastRun_));
    for (const SelectionRow& row : lastRun_.rows) list->AddRow(QString::fromStdString(row.text));
    if (lastRun_.rows.empty()) {
        list->AddRow(tr("No selections"));
        return;
    }
    list->SelectRow(0);
    list->setFocus();
}

std::vector<SelectionEntryField> TAmplifierSelectionForm::EntryFields() const {
    std::vector<SelectionEntryField> fields;
    fields.reserve(SelectionEntryCount);
    for (QLineEdit* edit : entryEdits) fields.emplace_back(edit, numberStyle);
    fields.emplace_back(ui->GasTempEdit, numberStyle);
    fields.emplace_back(ui->TempLimitEdit, numberStyle);
    return fields;
}

// What a run takes from the window; the fields must outlive it.
SelectionControls TAmplifierSelectionForm::ControlsOf(std::vector<SelectionEntryField>& fields) {
    SelectionControls controls;
    controls.fields = {&fields[DriveEntry],  &fields[AirEntry],   &fields[InletEntry], &fields[FlowReqdEntry],
                       &fields[OutletEntry], &fields[StartEntry], &fields[FinalEntry], &fields[CapacityEntry]};
    controls.disableAirQtyLimitChecked = ui->disableAirQtyLimitCheckBox->isChecked();
    controls.disableFlowrateLimitChecked = ui->disableFlowrateLimitCheckBox->isChecked();
    controls.textWidth = [this](const std::string& text) { return RowTextWidth(text); };
    controls.decimalSeparator = numberStyle.decimal;
    controls.notices = &notices_;
    controls.gas = ChosenGas();
    controls.gasTemperatureEdit = &fields[kGasTemperatureField];
    controls.temperatureLimitEdit = &fields[kTemperatureLimitField];
    controls.realGasChecked = ui->RealGasCheckBox->isChecked();
    return controls;
}

SelectionResult TAmplifierSelectionForm::RunSelection() {
    std::vector<SelectionEntryField> fields = EntryFields();
    SearchingMemoNotice notice(ui->searchingMemo);
    SelectionControls controls = ControlsOf(fields);
    controls.searchingMemo = &notice;
    if (session_.ApplicationType == ApplicationFillCylinder) return VesselChargingSelection(session_, controls);
    return ContinuousProcessSelection(session_, controls);
}

// A cell's tab counts as a blank: the canvas font would expand it to a tab
// stop.
int TAmplifierSelectionForm::RowTextWidth(const std::string& text) const {
    QString cell = QString::fromStdString(text);
    cell.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return fontSizeCanvas->TextWidth(cell);
}

void TAmplifierSelectionForm::Timer1Timer() { ui->searchingMemo->hide(); }

void TAmplifierSelectionForm::metricImperialUnitsBitBtnClick() {
    const bool hadSelection = ui->SelectionTabListBox->SelectedRow() >= 0;
    session_.MetricUnits = !session_.MetricUnits;
    ui->metricImperialUnitsBitBtn->setText(LayoutText(UnitSwitchCaption(session_.MetricUnits)));
    ShowEntryCaptions();
    for (int e = 0; e < SelectionEntryCount; ++e) {
        if (e == InletEntry && ui->PsEqualToPaCheckBox->isChecked()) {
            switched_[InletEntry] = {};
            ui->pSupplyPsiEdit->setText(ui->pAirDrivePsiEdit->text());
        } else
            ConvertEntryUnits(SelectionEntry(e));
    }
    ConvertTemperature(ui->GasTempEdit, switchedGas_);
    ConvertTemperature(ui->TempLimitEdit, switchedLimit_);
    ShowLayout(session_.ApplicationType, true);
    if (hadSelection) ListSelectionsBitBtnClick();
}

void TAmplifierSelectionForm::ShowEntryCaptions() {
    for (int e = 0; e < SelectionEntryCount; ++e)
        entryLabels[e]->setText(LayoutText(EntryCaption(SelectionEntry(e), session_.MetricUnits)));
    ui->GasTempLabel->setText(LayoutText(GasTemperatureCaption(session_.MetricUnits)));
    ui->TempLimitLabel->setText(LayoutText(TemperatureLimitCaption(session_.MetricUnits)));
}

// A field left as the last switch wrote it goes back to exactly what was
// there before that switch: two switches must not change what was typed.
void TAmplifierSelectionForm::ConvertEntryUnits(SelectionEntry entry) {
    QLineEdit* edit = entryEdits[entry];
    UnitSwitchMemory& memory = switched_[entry];
    if (!memory.written.isEmpty() && edit->text() == memory.written) {
        const QString before = std::exchange(memory, {}).before;
        edit->setText(before);
        return;
    }
    const std::optional<std::string> converted =
        ConvertedEntryText(EntryNumberText(edit->text(), numberStyle.decimal), SelectionEntries[entry].kind,
                           session_.MetricUnits, numberStyle.decimal);
    if (!converted) {
        RefuseToConvert(edit);
        return;
    }
    memory = {edit->text(), QString::fromStdString(*converted)};
    edit->setText(memory.written);
}

void TAmplifierSelectionForm::RefuseToConvert(const QLineEdit* edit) {
    const std::string typed = edit->text().toStdString();
    notices_.Beep();
    notices_.Error(tr("%1 is not a valid value!").arg(edit->text()).toStdString() + ThousandsHint(typed, numberStyle));
}

// As ConvertEntryUnits, for degF and degC; an empty field (no limit) stays
// empty.
void TAmplifierSelectionForm::ConvertTemperature(QLineEdit* edit, UnitSwitchMemory& memory) {
    if (!memory.written.isEmpty() && edit->text() == memory.written) {
        edit->setText(std::exchange(memory, {}).before);
        return;
    }
    if (edit->text().trimmed().isEmpty()) return;
    const std::optional<std::string> converted = ConvertedTemperatureText(
        EntryNumberText(edit->text(), numberStyle.decimal), session_.MetricUnits, numberStyle.decimal);
    if (!converted) {
        RefuseToConvert(edit);
        return;
    }
    memory = {edit->text(), QString::fromStdString(*converted)};
    edit->setText(memory.written);
}

// The gas as the report names it: air at the standard temperature as the
// catalogue's figures assume it ("Air"), any other with its temperature as
// typed.
QString TAmplifierSelectionForm::ReportGasText() const {
    const QString name = ui->GasComboBox->currentText();
    const QString typed = ui->GasTempEdit->text().trimmed();
    const std::optional<double> value = ParseNumber(EntryNumberText(typed, numberStyle.decimal));
    const double standard = session_.MetricUnits ? StandardGasCelsius : units::FahrenheitOf(StandardGasCelsius);
    if (ui->GasComboBox->currentIndex() == 0 && value == standard) return name;
    const QString unit = session_.MetricUnits ? QStringLiteral("\u00B0C") : QStringLiteral("\u00B0F");
    return tr("%1 at %2 %3").arg(name, typed, unit);
}

Gas TAmplifierSelectionForm::ChosenGas() const {
    return AllGases[static_cast<std::size_t>(std::max(ui->GasComboBox->currentIndex(), 0))];
}

void TAmplifierSelectionForm::FillGasList() {
    for (const Gas gas : AllGases) ui->GasComboBox->addItem(DesktopText(GasDisplayName(gas)));
    ui->GasComboBox->setCurrentIndex(0);
}

void TAmplifierSelectionForm::pOutletPsiEditChange(SelectionEntry entry) {
    ClearSelections();
    if (entry == DriveEntry && ui->PsEqualToPaCheckBox->isChecked())
        ui->pSupplyPsiEdit->setText(ui->pAirDrivePsiEdit->text());
}

void TAmplifierSelectionForm::disableAirQtyLimitCheckBoxClick() {
    ClearSelections();
    const bool equal = ui->PsEqualToPaCheckBox->isChecked();
    if (equal) ui->pSupplyPsiEdit->setText(ui->pAirDrivePsiEdit->text());
    ui->pSupplyPsiEdit->setEnabled(!equal);
}

void TAmplifierSelectionForm::disableFlowrateLimitCheckBoxClick() { ClearSelections(); }

// "Show &Drawing" and "Show &Graph": the model of the selected row, made
// current for the picture viewer, with the row's operating point.
// Instruction rows and "No selections" name no model.
void TAmplifierSelectionForm::ShowDrawingBitBtnClick() {
    const ModelView view = sender() == ui->DrawGraphBitBtn ? ModelView::Graph : ModelView::Drawing;
    const SelectionRow* row = ChosenRow();
    if (row == nullptr) {
        notices_.Beep();
        notices_.Warning(tr("No air amplifier selected...").toStdString());
        return;
    }
    PrepareModelView(session_, row->pumpNo, view);
    if (imageDisplayForm == nullptr) return;
    imageDisplayForm->SetChart(ChartOfRow(lastRun_, *row));
    imageDisplayForm->exec();
}

void TAmplifierSelectionForm::PrintBitBtnClick() {
    if (ui->SelectionTabListBox->SelectedRow() < 0) {
        notices_.Beep();
        notices_.Warning(tr("No air pressure amplifier selected").toStdString());
        return;
    }
    if (!PrintDialog1Printer) PrintDialog1Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!AskPrintDialog(*PrintDialog1Printer, this)) return;
    PrintList(*PrintDialog1Printer);
}

// A field's figure as the page shows it: typed with "." or the system's
// separator, printed with the system's.
QString TAmplifierSelectionForm::ShownFigure(const QString& typed) const {
    return SystemNumberText(EntryNumberText(typed, numberStyle.decimal));
}

bool TAmplifierSelectionForm::PrintList(QPrinter& printer) {
    SelectionReport report;
    report.applicationType = session_.ApplicationType;
    report.metric = session_.MetricUnits;
    report.airDrive = ShownFigure(ui->pAirDrivePsiEdit->text());
    report.airAvailable = ShownFigure(ui->qAirScfmEdit->text());
    report.airUnlimited = ui->disableAirQtyLimitCheckBox->isChecked();
    report.inlet = ShownFigure(ui->pSupplyPsiEdit->text());
    report.flowRequired = ShownFigure(ui->FlowrateReqdScfmEdit->text());
    report.flowIgnored = ui->disableFlowrateLimitCheckBox->isChecked();
    report.outlet = ShownFigure(ui->pOutletPsiEdit->text());
    report.initial = ShownFigure(ui->OutStartPsiEdit->text());
    report.final = ShownFigure(ui->OutFinalPsiEdit->text());
    report.capacity = ShownFigure(ui->OutCapacityFt3Edit->text());
    report.rows = ui->SelectionTabListBox->Rows();
    report.office = session_.Office();
    report.gas = ReportGasText();
    // The notes are literals, so each view ends in a NUL.
    const std::string_view note = SafetyNote(ChosenGas());
    if (!note.empty()) report.safetyNote = QCoreApplication::translate("Gases", note.data());
    return TellPrintResult(PrintSelectionReport(printer, report), tr("The list").toStdString(), notices_);
}

// The memos only inform; the caret moves on past them, backwards when the
// user came back with Shift+Tab.
void TAmplifierSelectionForm::InstructMemoEnter(bool forward) { focusNextPrevChild(forward); }

bool TAmplifierSelectionForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && (watched == ui->InstructMemo || watched == ui->searchingMemo))
        InstructMemoEnter(static_cast<QFocusEvent*>(event)->reason() != Qt::BacktabFocusReason);
    return QDialog::eventFilter(watched, event);
}

}  // namespace zorvik
