#include "general_description_form.h"

#include "info_window_support.h"
#include "sizing_amplifiers_form.h"
#include "using_curves_form.h"
#include "ui_general_description_form.h"

namespace zorvik {

TZampGeneralDescriptionForm::TZampGeneralDescriptionForm(QWidget* parent) : LazyDialog(parent) {}

void TZampGeneralDescriptionForm::Build() {
    ui.SetUp();
    PrepareMemos(this);
    ShowArtwork(ui->LRBSingleStageImage, QStringLiteral("info_single_stage"));
    ShowArtwork(ui->RBW5SectionImage, QStringLiteral("info_double_acting_section"));
    OnMemoEnter({ui->AnAirPressurreMemo, ui->TheRatioMemo, ui->TheCompletelyMemo, ui->Memo1}, this,
                [this](QWidget* memo, Qt::FocusReason reason) { AnAirPressurreMemoEnter(memo, reason); });
    connect(ui->UseCurvesBitBtn, &QPushButton::clicked, this, &TZampGeneralDescriptionForm::UseCurvesBitBtnClick);
    connect(ui->SizingBitBtn, &QPushButton::clicked, this, &TZampGeneralDescriptionForm::SizingBitBtnClick);
    connect(ui->CloseBitBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TZampGeneralDescriptionForm::~TZampGeneralDescriptionForm() = default;

void TZampGeneralDescriptionForm::Retranslate() {
    ui->retranslateUi(this);
    PrepareMemos(this);
}

void TZampGeneralDescriptionForm::SetSubWindows(TZampUsingCurvesForm* usingCurves, TZampSizingAmplifiersForm* sizing) {
    usingCurves_ = usingCurves;
    sizing_ = sizing;
}

void TZampGeneralDescriptionForm::UseCurvesBitBtnClick() { ShowModalFrom(this, usingCurves_); }

void TZampGeneralDescriptionForm::SizingBitBtnClick() { ShowModalFrom(this, sizing_); }

void TZampGeneralDescriptionForm::AnAirPressurreMemoEnter(QWidget* memo, Qt::FocusReason reason) {
    PassFocusOn(memo, reason);
}

}  // namespace zorvik
