#include "applications_form.h"

#include "info_window_support.h"
#include "ui_applications_form.h"

namespace zorvik {
namespace {
// The six key features stand this far apart, and so do their bullets.
constexpr int FeaturePitch = 26;
constexpr int FeatureCount = 6;
constexpr int BulletSize = 16;
}  // namespace

TZampApplicationsForm::TZampApplicationsForm(QWidget* parent) : LazyDialog(parent) {}

void TZampApplicationsForm::Build() {
    ui.SetUp();
    ShowTexts();
    ShowArtwork(ui->TypicalApplicationsImage, QStringLiteral("info_typical_applications"));
    ShowArtwork(ui->LRBSingleStageImage, QStringLiteral("info_single_stage"));
    ShowBulletColumn(ui->BallRed5Image, FeatureCount, FeaturePitch, BulletSize);
    OnMemoEnter({ui->AnAlternativeMemo, ui->KeyFeaturesMemo}, this,
                [this](QWidget* memo, Qt::FocusReason reason) { AnAlternativeMemoEnter(memo, reason); });
    connect(ui->CloseBitBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TZampApplicationsForm::~TZampApplicationsForm() = default;

void TZampApplicationsForm::ShowTexts() {
    PrepareMemos(this);
    SetLineHeight(ui->KeyFeaturesMemo, FeaturePitch);
}

void TZampApplicationsForm::Retranslate() {
    ui->retranslateUi(this);
    ShowTexts();
}

void TZampApplicationsForm::AnAlternativeMemoEnter(QWidget* memo, Qt::FocusReason reason) { PassFocusOn(memo, reason); }

}  // namespace zorvik
