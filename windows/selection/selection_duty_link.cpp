// The selection window's side of jobs: loading an item's duty into the
// fields and handing the typed duty back (selection_duty_link.h).

#include "selection_duty_link.h"

#include <QPushButton>
#include <algorithm>

#include "amplifier_selection_form.h"
#include "gases.h"
#include "numeric_entry.h"
#include "selection_entry.h"
#include "ui_amplifier_selection_form.h"
#include "units.h"

namespace zorvik {
namespace {

// The button takes the foot of the instructions, which give up the room
// below their last line while it shows; every line stays whole.
const QRect kJobLinkButtonPlace(568, 399, 217, 24);
constexpr int kInstructionsHeightWithButton = 86;

// The duty's text of each entry field, in SelectionEntry order.
constexpr std::array<std::string job::ItemDuty::*, SelectionEntryCount> kDutyTexts = {
    &job::ItemDuty::drive,  &job::ItemDuty::air,     &job::ItemDuty::inlet, &job::ItemDuty::flow,
    &job::ItemDuty::outlet, &job::ItemDuty::initial, &job::ItemDuty::final, &job::ItemDuty::capacity,
};

}  // namespace

EntryTexts FieldTextsOf(const job::ItemDuty& duty, char separator) {
    EntryTexts texts;
    for (int e = 0; e < SelectionEntryCount; ++e) {
        QString text = QString::fromStdString(duty.*kDutyTexts[e]);
        if (separator != '.') text.replace(QLatin1Char('.'), QLatin1Char(separator));
        texts[e] = text;
    }
    if (duty.inletEqualsDrive) texts[InletEntry] = texts[DriveEntry];
    return texts;
}

job::ItemDuty DutyOfFields(const EntryTexts& texts, char separator, job::ItemDuty duty) {
    for (int e = 0; e < SelectionEntryCount; ++e) duty.*kDutyTexts[e] = EntryNumberText(texts[e], separator);
    return duty;
}

void TAmplifierSelectionForm::LoadDuty(job::Application application, const job::ItemDuty& duty) {
    session_.MetricUnits = duty.units == job::UnitSystem::Metric;
    ui->metricImperialUnitsBitBtn->setText(QString::fromLatin1(UnitSwitchCaption(session_.MetricUnits)));
    ShowEntryCaptions();
    ShowLayout(application == job::Application::Fill ? ApplicationFillCylinder : ApplicationFlow, false);
    ui->PsEqualToPaCheckBox->setChecked(duty.inletEqualsDrive);
    ui->pSupplyPsiEdit->setEnabled(!duty.inletEqualsDrive);
    ui->disableAirQtyLimitCheckBox->setChecked(duty.ignoreAir);
    ui->disableFlowrateLimitCheckBox->setChecked(duty.ignoreFlow);
    const EntryTexts texts = FieldTextsOf(duty, numberStyle.decimal);
    for (int e = 0; e < SelectionEntryCount; ++e) entryEdits[e]->setText(texts[e]);
    LoadGas(duty);
    // Texts loaded afresh are what a later unit switch converts.
    switched_ = {};
    switchedGas_ = {};
    switchedLimit_ = {};
}

// 20 degC in the window's units: "68" or "20".
QString TAmplifierSelectionForm::StandardTemperatureText() const {
    return QString::number(session_.MetricUnits ? StandardGasCelsius : units::FahrenheitOf(StandardGasCelsius));
}

// An item's gas the program does not know leaves air chosen: the job
// window marks that item with why.
void TAmplifierSelectionForm::LoadGas(const job::ItemDuty& duty) {
    const std::optional<Gas> gas = GasNamed(duty.gas);
    const auto place = std::find(AllGases.begin(), AllGases.end(), gas.value_or(Gas::Air));
    ui->GasComboBox->setCurrentIndex(static_cast<int>(place - AllGases.begin()));
    const QString temperature =
        duty.gasTemperature.empty() ? StandardTemperatureText() : QString::fromStdString(duty.gasTemperature);
    const QChar separator = QLatin1Char(numberStyle.decimal);
    ui->GasTempEdit->setText(QString(temperature).replace(QLatin1Char('.'), separator));
    ui->TempLimitEdit->setText(QString::fromStdString(duty.temperatureLimit).replace(QLatin1Char('.'), separator));
    ui->RealGasCheckBox->setChecked(duty.realGas);
}

SelectedDuty TAmplifierSelectionForm::TypedDuty() const {
    SelectedDuty selected;
    selected.application =
        session_.ApplicationType == ApplicationFillCylinder ? job::Application::Fill : job::Application::Flow;
    job::ItemDuty duty;
    duty.units = session_.MetricUnits ? job::UnitSystem::Metric : job::UnitSystem::Imperial;
    duty.inletEqualsDrive = ui->PsEqualToPaCheckBox->isChecked();
    duty.ignoreAir = ui->disableAirQtyLimitCheckBox->isChecked();
    duty.ignoreFlow = ui->disableFlowrateLimitCheckBox->isChecked();
    EntryTexts texts;
    for (int e = 0; e < SelectionEntryCount; ++e) texts[e] = entryEdits[e]->text();
    duty.gas = std::string(Properties(ChosenGas()).name);
    // The standard temperature is the item's default, kept as none typed.
    const QString temperature = ui->GasTempEdit->text().trimmed();
    if (temperature != StandardTemperatureText())
        duty.gasTemperature = EntryNumberText(temperature, numberStyle.decimal);
    duty.temperatureLimit = EntryNumberText(ui->TempLimitEdit->text().trimmed(), numberStyle.decimal);
    duty.realGas = selected.application == job::Application::Fill && ui->RealGasCheckBox->isChecked();
    selected.duty = DutyOfFields(texts, numberStyle.decimal, duty);
    if (const SelectionRow* row = ChosenRow()) selected.model = row->pumpNo;
    return selected;
}

void TAmplifierSelectionForm::SetJobLink(const QString& caption, JobLinkCallback keep) {
    if (jobLinkButton_ == nullptr) {
        jobLinkButton_ = new QPushButton(this);
        jobLinkButton_->setObjectName(QStringLiteral("JobLinkBitBtn"));
        jobLinkButton_->setGeometry(kJobLinkButtonPlace);
        connect(jobLinkButton_, &QPushButton::clicked, this, &TAmplifierSelectionForm::JobLinkBitBtnClick);
    }
    jobLinkButton_->setText(caption);
    if (instructionsHeight_ == 0) instructionsHeight_ = ui->InstructMemo->height();
    ui->InstructMemo->resize(ui->InstructMemo->width(), kInstructionsHeightWithButton);
    jobLinkButton_->show();
    jobLink_ = std::move(keep);
}

void TAmplifierSelectionForm::ClearJobLink() {
    jobLink_ = nullptr;
    if (jobLinkButton_ == nullptr) return;
    jobLinkButton_->hide();
    ui->InstructMemo->resize(ui->InstructMemo->width(), instructionsHeight_);
}

// A duty kept without a listed row would lose the item's model without a
// word; the user says whether that is meant.
void TAmplifierSelectionForm::JobLinkBitBtnClick() {
    if (!jobLink_) return;
    const SelectedDuty selected = TypedDuty();
    if (!selected.model &&
        !notices_.Question(
            tr("No model is chosen in the list.\rKeep the duty in the job without a model?").toStdString()))
        return;
    const JobLinkCallback keep = jobLink_;
    keep(selected);
    close();
}

}  // namespace zorvik
