#include "operational_guide_form.h"

#include "calc_cycle_speed_form.h"
#include "info_window_support.h"
#include "saturated_air_form.h"
#include "text_flow.h"
#include "ui_operational_guide_form.h"

namespace zorvik {

TZampOperationalGuideForm::TZampOperationalGuideForm(QWidget* parent) : LazyDialog(parent) {}

void TZampOperationalGuideForm::Build() {
    ui.SetUp();
    ShowTexts();
    ShowArtwork(ui->RBW3Image, QStringLiteral("info_double_acting"));
    OnMemoEnter({ui->WhileZorvikMemo, ui->LevelDoesMemo, ui->VariousManualMemo, ui->ZorvikOfferMemo, ui->IsAFactorMemo,
                 ui->CyclingRateMemo},
                this, [this](QWidget* memo, Qt::FocusReason reason) { WhileZorvikMemoEnter(memo, reason); });
    connect(ui->CalcCycleSpeedBitBtn, &QPushButton::clicked, this,
            &TZampOperationalGuideForm::CalcCycleSpeedBitBtnClick);
    connect(ui->SaturatedAirBitBtn, &QPushButton::clicked, this, &TZampOperationalGuideForm::SaturatedAirBitBtnClick);
    connect(ui->CloseBitBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TZampOperationalGuideForm::~TZampOperationalGuideForm() = default;

void TZampOperationalGuideForm::ShowTexts() {
    PrepareMemos(this);
    FlowText(*ui->WhileZorvikMemo, *ui->LevelDoesMemo);
}

void TZampOperationalGuideForm::Retranslate() {
    ui->retranslateUi(this);
    ShowTexts();
}

void TZampOperationalGuideForm::SetSubWindows(TZampCalcCycleSpeedForm* cycleSpeed,
                                              TZampSaturatedAirForm* saturatedAir) {
    cycleSpeed_ = cycleSpeed;
    saturatedAir_ = saturatedAir;
}

void TZampOperationalGuideForm::CalcCycleSpeedBitBtnClick() { ShowModalFrom(this, cycleSpeed_); }

void TZampOperationalGuideForm::SaturatedAirBitBtnClick() { ShowModalFrom(this, saturatedAir_); }

void TZampOperationalGuideForm::WhileZorvikMemoEnter(QWidget* memo, Qt::FocusReason reason) {
    PassFocusOn(memo, reason);
}

}  // namespace zorvik
