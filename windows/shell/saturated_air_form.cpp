#include "saturated_air_form.h"

#include <QLabel>

#include "info_window_support.h"
#include "language.h"
#include "saturation_chart.h"
#include "ui_saturated_air_form.h"

namespace zorvik {
namespace {

// The chart in the label, at the label's size and pixel ratio.
void ShowSaturationChart(QLabel* label, TemperatureScale scale) {
    label->setPixmap(QPixmap::fromImage(
        SaturationChart(scale, label->size(), label->devicePixelRatioF(), texts::DesktopTranslator())));
}

}  // namespace

TZampSaturatedAirForm::TZampSaturatedAirForm(QWidget* parent) : LazyDialog(parent) {}

void TZampSaturatedAirForm::Build() {
    ui.SetUp();
    PrepareMemos(this);
    ShowTabCaptions();
    ShowSaturationChart(ui->SatDegCImage, TemperatureScale::Celsius);
    ShowSaturationChart(ui->SatDegFImage, TemperatureScale::Fahrenheit);
    OnMemoEnter({ui->AllAirContainsMemo, ui->DryToTheMemo, ui->AshopCompressorMemo, ui->Refrig50FMemo,
                 ui->Refrig32FMemo, ui->DesiccantDryerMemo, ui->NitrogenMemo},
                this, [this](QWidget* memo, Qt::FocusReason reason) { Refrig32FMemoEnter(memo, reason); });
    connect(ui->TabSet1, &QTabBar::currentChanged, this, &TZampSaturatedAirForm::TabSet1Click);
    connect(ui->DegCRadioButton, &QRadioButton::toggled, this, &TZampSaturatedAirForm::DegCRadioButtonClick);
    connect(ui->CloseBitBtn, &QPushButton::clicked, this, &QDialog::accept);
    TabSet1Click();
    DegCRadioButtonClick();
}

TZampSaturatedAirForm::~TZampSaturatedAirForm() = default;

// The window description carries the tab captions; a tab bar cannot hold
// them itself.
void TZampSaturatedAirForm::ShowTabCaptions() {
    const QStringList captions = ui->TabSet1->property("tabCaptions").toStringList();
    for (int i = 0; i < captions.size(); ++i) {
        if (i < ui->TabSet1->count())
            ui->TabSet1->setTabText(i, captions[i]);
        else
            ui->TabSet1->addTab(captions[i]);
    }
}

void TZampSaturatedAirForm::Retranslate() {
    ui->retranslateUi(this);
    PrepareMemos(this);
    ShowTabCaptions();
    ShowSaturationChart(ui->SatDegCImage, TemperatureScale::Celsius);
    ShowSaturationChart(ui->SatDegFImage, TemperatureScale::Fahrenheit);
}

void TZampSaturatedAirForm::TabSet1Click() {
    QWidget* const examples[] = {ui->Refrig50FMemo, ui->Refrig32FMemo, ui->DesiccantDryerMemo, ui->NitrogenMemo};
    const int tab = ui->TabSet1->currentIndex();
    for (int i = 0; i < 4; ++i) examples[i]->setVisible(i == tab);
}

void TZampSaturatedAirForm::DegCRadioButtonClick() {
    const bool celsius = ui->DegCRadioButton->isChecked();
    ui->SatDegCImage->setVisible(celsius);
    ui->SatDegFImage->setVisible(!celsius);
}

void TZampSaturatedAirForm::Refrig32FMemoEnter(QWidget* memo, Qt::FocusReason reason) { PassFocusOn(memo, reason); }

}  // namespace zorvik
