#include "calc_cycle_speed_form.h"

#include "info_window_support.h"
#include "ui_calc_cycle_speed_form.h"

namespace zorvik {

TZampCalcCycleSpeedForm::TZampCalcCycleSpeedForm(QWidget* parent) : LazyDialog(parent) {}

void TZampCalcCycleSpeedForm::Build() {
    ui.SetUp();
    PrepareMemos(this);
    ShowArtwork(ui->NormalLitresCycleImage, QStringLiteral("info_formula_normal_litres"));
    ShowArtwork(ui->ScfCycleImage, QStringLiteral("info_formula_scf"));
    OnMemoEnter({ui->CyclingSpeedMemo, ui->Eample1Memo, ui->Example2Memo, ui->WhenTheMemo}, this,
                [this](QWidget* memo, Qt::FocusReason reason) { CyclingSpeedMemoEnter(memo, reason); });
    connect(ui->CloseBitBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TZampCalcCycleSpeedForm::~TZampCalcCycleSpeedForm() = default;

void TZampCalcCycleSpeedForm::Retranslate() {
    ui->retranslateUi(this);
    PrepareMemos(this);
}

void TZampCalcCycleSpeedForm::CyclingSpeedMemoEnter(QWidget* memo, Qt::FocusReason reason) {
    PassFocusOn(memo, reason);
}

}  // namespace zorvik
