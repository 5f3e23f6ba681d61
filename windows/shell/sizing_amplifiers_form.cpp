#include "sizing_amplifiers_form.h"

#include "info_window_support.h"
#include "ui_sizing_amplifiers_form.h"

namespace zorvik {
namespace {
// The question lines stand this far apart, so that each meets the bullet
// placed beside it; the four parameters fill their field exactly.
constexpr int ParameterPitch = 18;
constexpr int QuestionPitch = 19;
}  // namespace

TZampSizingAmplifiersForm::TZampSizingAmplifiersForm(QWidget* parent) : LazyDialog(parent) {}

void TZampSizingAmplifiersForm::Build() {
    ui.SetUp();
    ShowTexts();
    ShowArtwork(ui->LRBSingleStageImage, QStringLiteral("info_single_stage"));
    for (QLabel* bullet : {ui->BallRedImage1, ui->BallRedImage2, ui->BallRedImage3, ui->BallRedImage4,
                           ui->BallRedImage5, ui->BallRedImage6})
        ShowArtwork(bullet, QStringLiteral("info_red_ball"));
    OnMemoEnter({ui->SeveralFactorsMemo, ui->SeveralFcatorsMemo2, ui->DividingMemo, ui->ParametersMemo, ui->AppDataMemo,
                 ui->WeShouldMemo, ui->ZorvikOfferMemo},
                this, [this](QWidget* memo, Qt::FocusReason reason) { SeveralFactorsMemoEnter(memo, reason); });
    connect(ui->CloseBitBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TZampSizingAmplifiersForm::~TZampSizingAmplifiersForm() = default;

void TZampSizingAmplifiersForm::ShowTexts() {
    PrepareMemos(this);
    SetLineHeight(ui->ParametersMemo, ParameterPitch);
    SetLineHeight(ui->AppDataMemo, QuestionPitch);
}

void TZampSizingAmplifiersForm::Retranslate() {
    ui->retranslateUi(this);
    ShowTexts();
}

void TZampSizingAmplifiersForm::SeveralFactorsMemoEnter(QWidget* memo, Qt::FocusReason reason) {
    PassFocusOn(memo, reason);
}

}  // namespace zorvik
