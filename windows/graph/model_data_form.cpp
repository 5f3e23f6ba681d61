#include "model_data_form.h"

#include <QShowEvent>

#include "units.h"
#include "chart_text.h"
#include "pressure_text.h"
#include "screen_placement.h"
#include "ui_model_data_form.h"
#include "language.h"

namespace zorvik {
namespace {

// The lowest drive pressure of every model, as the adjust dialog has it.
constexpr double kMinAirDrivePsi = 40.0;
constexpr int SheetPrecision = 5;

QString SheetNumber(double value, int decimals) {
    return ChartNumber(value, SheetPrecision, decimals, texts::DesktopTranslator());
}

}  // namespace

TmodelDataForm::TmodelDataForm(Session& session, QWidget* parent) : LazyDialog(parent), session_(session) {}

void TmodelDataForm::Build() {
    ui.SetUp();
    setFixedSize(size());
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TmodelDataForm::BitBtn1Click);
}

TmodelDataForm::~TmodelDataForm() = default;

void TmodelDataForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TmodelDataForm::Retranslate() {
    ui->retranslateUi(this);
    ShowModel();
}

void TmodelDataForm::FormShow() {
    CentreOnScreen(*this);
    ShowModel();
}

void TmodelDataForm::ShowModel() {
    const TPumpRecord& pump = session_.CurrentPump;
    ui->pumpModelLabel->setText(QString::fromStdString(pump.DisplayName()));
    ui->minAirbarLabel->setText(BarLimitText(kMinAirDrivePsi, texts::DesktopTranslator()));
    ui->minAirPsiLabel->setText(PsiLimitText(kMinAirDrivePsi, texts::DesktopTranslator()));
    ui->maxAirBarLabel->setText(BarLimitText(pump.MaxAirDrivePsi, texts::DesktopTranslator()));
    ui->maxAirPsiLabel->setText(PsiLimitText(pump.MaxAirDrivePsi, texts::DesktopTranslator()));
    ShowInletRows();
    ui->maxOutletBarLabel->setText(BarLimitText(pump.MaxOutletPsi, texts::DesktopTranslator()));
    ui->maxOutletPsiLabel->setText(PsiLimitText(pump.MaxOutletPsi, texts::DesktopTranslator()));
    ui->MaxCompressionRatioLabel->setText(SheetNumber(pump.MaxCompressionRatio, 1) + QStringLiteral(" : 1"));
    ui->pistonDisplacementLitreLabel->setText(
        tr("%1 litre").arg(SheetNumber(pump.DisplacementIn3 / units::CubicInchesPerLitre, 3)));
    ui->pistonDisplacementIn3Label->setText(tr("( %1 cu. inch )").arg(SheetNumber(pump.DisplacementIn3, 2)));
    ShowStallFormula();
}

// Models that boost their own drive air show the common-connection note in
// place of the inlet rows; two-stage models, whose inlet limit follows the
// drive pressure, show the interstage row instead of a maximum inlet value.
void TmodelDataForm::ShowInletRows() {
    const TPumpRecord& pump = session_.CurrentPump;
    ui->gasInletDataPanel->setVisible(!pump.InletIsDriveAir);
    for (QWidget* line : {ui->Label1, ui->Label2, ui->Label3}) line->setVisible(pump.InletIsDriveAir);
    ui->minInletBarLabel->setText(BarLimitText(pump.MinInletPsi, texts::DesktopTranslator()));
    ui->minInletPsiLabel->setText(PsiLimitText(pump.MinInletPsi, texts::DesktopTranslator()));
    const bool fixedMaximum = pump.MaxInletPsi > 0;
    if (fixedMaximum) {
        ui->maxInletBarLabel->setText(BarLimitText(pump.MaxInletPsi, texts::DesktopTranslator()));
        ui->maxInletPsiLabel->setText(PsiLimitText(pump.MaxInletPsi, texts::DesktopTranslator()));
    } else {
        ui->interstageStallFormulaLabel->setText(tr("less than %1 x pAir").arg(SheetNumber(pump.InterstageFactor, 1)));
    }
    ui->maxInletBarLabel->setVisible(fixedMaximum);
    ui->maxInletPsiLabel->setVisible(fixedMaximum);
    ui->dependentLabel->setVisible(!fixedMaximum);
    ui->interstageStallHdLabel->setVisible(!fixedMaximum);
    ui->interstageStallFormulaLabel->setVisible(!fixedMaximum);
}

// Outlet stall pressure = AirStallFactor x pAir (+ SupplyStallFactor x pSupply).
void TmodelDataForm::ShowStallFormula() {
    const TPumpRecord& pump = session_.CurrentPump;
    const QString air = SheetNumber(pump.AirStallFactor, 1) + QStringLiteral(" x pAir");
    const bool withSupply = pump.SupplyStallFactor > 0;
    ui->stallPressureFormulaLabel1->setText(withSupply ? QStringLiteral("( ") + air + QStringLiteral(" )") : air);
    if (withSupply)
        ui->stallPressureFormulaLabel2->setText(QStringLiteral("+  ( ") + SheetNumber(pump.SupplyStallFactor, 1) +
                                                QStringLiteral(" x pSupply )"));
    ui->stallPressureFormulaLabel2->setVisible(withSupply);
}

void TmodelDataForm::BitBtn1Click() { accept(); }

}  // namespace zorvik
