#include "adjust_air_drive_form.h"

#include <QFocusEvent>
#include <QTimer>
#include <cmath>
#include <utility>

#include "fixed_format.h"
#include "number_text.h"
#include "units.h"
#include "pressure_text.h"
#include "entry_units.h"
#include "screen_placement.h"
#include "system_numbers.h"
#include "ui_adjust_air_drive_form.h"
#include "language.h"

namespace zorvik {
namespace {

// Leaving a field is a user's move to another control; the focus that goes
// to a message box or another window and comes back is not.
bool LeavesTheField(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason;
}

}  // namespace

TAdjustAirDriveForm::TAdjustAirDriveForm(Session& session, Notices& notices, QWidget* parent)
    : LazyDialog(parent), session_(session), notices_(notices) {}

void TAdjustAirDriveForm::Build() {
    ui.SetUp();
    setFixedSize(size());
    connect(ui->airDrivePsiSpinButton, &SpinButton::upClick, this, &TAdjustAirDriveForm::airDrivePsiSpinButtonUpClick);
    connect(ui->airDrivePsiSpinButton, &SpinButton::downClick, this,
            &TAdjustAirDriveForm::airDrivePsiSpinButtonDownClick);
    connect(ui->inletPsiSpinButton, &SpinButton::upClick, this, &TAdjustAirDriveForm::inletPsiSpinButtonUpClick);
    connect(ui->inletPsiSpinButton, &SpinButton::downClick, this, &TAdjustAirDriveForm::inletPsiSpinButtonDownClick);
    // Only the user's typing counts as a change, not the dialog's own writes.
    connect(ui->AdjustAirDrivePsiEdit, &QLineEdit::textEdited, this, &TAdjustAirDriveForm::AdjustAirDrivePsiEditChange);
    connect(ui->AdjustInletPsiEdit, &QLineEdit::textEdited, this, &TAdjustAirDriveForm::AdjustInletPsiEditChange);
    connect(ui->cancelBitBtn, &QPushButton::clicked, this, &TAdjustAirDriveForm::cancelBitBtnClick);
    connect(ui->newGraphBitBtn, &QPushButton::clicked, this, &TAdjustAirDriveForm::newGraphBitBtnClick);
    // A press on a button that is dragged off releases without a click; the
    // field left for it is checked then.
    for (QPushButton* button : {ui->cancelBitBtn, ui->newGraphBitBtn})
        connect(button, &QPushButton::released, this,
                [this] { QTimer::singleShot(0, this, [this] { RunFieldExit(false); }); });
    ui->AdjustAirDrivePsiEdit->installEventFilter(this);
    ui->AdjustInletPsiEdit->installEventFilter(this);
}

TAdjustAirDriveForm::~TAdjustAirDriveForm() = default;

// Every other text of the dialog is a figure or a unit.
void TAdjustAirDriveForm::Retranslate() { ui->retranslateUi(this); }

void TAdjustAirDriveForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TAdjustAirDriveForm::FormShow() {
    CentreOnScreen(*this);
    pendingExit_ = nullptr;
    const TPumpRecord& pump = Pump();
    MinAirDrivePsi = 40.0;
    ui->pumpModelLabel->setText(QString::fromStdString(pump.DisplayName()));
    ui->maxAirBarLabel->setText(BarLimitText(pump.MaxAirDrivePsi, texts::DesktopTranslator()));
    ui->maxAirPsiLabel->setText(PsiLimitText(pump.MaxAirDrivePsi, texts::DesktopTranslator()));
    ui->minInletBarLabel->setText(BarLimitText(pump.MinInletPsi, texts::DesktopTranslator()));
    ui->minInletPsiLabel->setText(PsiLimitText(pump.MinInletPsi, texts::DesktopTranslator()));
    const QString unit = AdjustShowsBar ? QStringLiteral("barg") : QStringLiteral("psig");
    ui->psiBarLabel1->setText(unit);
    ui->psiBarLabel2->setText(unit);

    NewAirDrivePsi = ChartShown.drivePsi;
    ShowMaxInletLimits();
    ShowPressureInEdit(ui->AdjustAirDrivePsiEdit, NewAirDrivePsi);
    NewInletPsi = ChartShown.inletPsi;
    ShowPressureInEdit(ui->AdjustInletPsiEdit, NewInletPsi);

    // Models that boost their own drive air take their inlet from the drive.
    ui->gasInletDataPanel->setVisible(!pump.InletIsDriveAir);
    ui->gasInletDataPanel2->setVisible(!pump.InletIsDriveAir);
    ui->Label1->setVisible(pump.InletIsDriveAir);
    ui->AdjustAirDrivePsiEdit->setFocus();
    ui->AdjustAirDrivePsiEdit->selectAll();
}

// The arrows step whole psig in either display unit: the value is first cut
// to its whole psig.
void TAdjustAirDriveForm::airDrivePsiSpinButtonUpClick() {
    NewAirDrivePsi = std::trunc(NewAirDrivePsi);
    if (NewAirDrivePsi < Pump().MaxAirDrivePsi) NewAirDrivePsi += 1;
    ShowPressureInEdit(ui->AdjustAirDrivePsiEdit, NewAirDrivePsi);
    ShowMaxInletLimits();
}

void TAdjustAirDriveForm::airDrivePsiSpinButtonDownClick() {
    NewAirDrivePsi = std::trunc(NewAirDrivePsi);
    if (NewAirDrivePsi > MinAirDrivePsi) NewAirDrivePsi -= 1;
    ShowPressureInEdit(ui->AdjustAirDrivePsiEdit, NewAirDrivePsi);
    ShowMaxInletLimits();
}

// The inlet limit belongs to the drive pressure the chart was drawn at, not
// to the one being edited.
void TAdjustAirDriveForm::inletPsiSpinButtonUpClick() {
    const double limit = MaxInletFor(Pump(), ChartShown.drivePsi);
    NewInletPsi = std::trunc(NewInletPsi);
    if (NewInletPsi < limit) NewInletPsi += 1;
    ShowPressureInEdit(ui->AdjustInletPsiEdit, NewInletPsi);
}

void TAdjustAirDriveForm::inletPsiSpinButtonDownClick() {
    NewInletPsi = std::trunc(NewInletPsi);
    if (NewInletPsi > Pump().MinInletPsi) NewInletPsi -= 1;
    ShowPressureInEdit(ui->AdjustInletPsiEdit, NewInletPsi);
}

// While typing no limit applies; text that is not a number is reported and
// counts as 0 until it is corrected.
void TAdjustAirDriveForm::AdjustAirDrivePsiEditChange() {
    NewAirDrivePsi = TypedPressure(ui->AdjustAirDrivePsiEdit->text());
    ShowMaxInletLimits();
}

void TAdjustAirDriveForm::AdjustInletPsiEditChange() { NewInletPsi = TypedPressure(ui->AdjustInletPsiEdit->text()); }

void TAdjustAirDriveForm::AdjustAirDrivePsiEditExit() {
    QLineEdit* edit = ui->AdjustAirDrivePsiEdit;
    ReadLeftField(edit, NewAirDrivePsi);
    if (NewAirDrivePsi < MinAirDrivePsi) {
        RefuseOutOfRange(edit, NewAirDrivePsi, MinAirDrivePsi, tr("Air drive pressure is too low!"));
    } else if (NewAirDrivePsi > Pump().MaxAirDrivePsi) {
        RefuseOutOfRange(edit, NewAirDrivePsi, Pump().MaxAirDrivePsi, tr("Air drive pressure is too high!"));
    }
    ShowMaxInletLimits();
}

void TAdjustAirDriveForm::AdjustInletPsiEditExit() {
    QLineEdit* edit = ui->AdjustInletPsiEdit;
    const double limit = MaxInletFor(Pump(), ChartShown.drivePsi);
    ReadLeftField(edit, NewInletPsi);
    if (NewInletPsi < Pump().MinInletPsi) {
        RefuseOutOfRange(edit, NewInletPsi, Pump().MinInletPsi, tr("Gas inlet pressure is too low!"));
    } else if (NewInletPsi > limit) {
        RefuseOutOfRange(edit, NewInletPsi, limit, tr("Gas inlet pressure is too high!"));
    }
}

void TAdjustAirDriveForm::cancelBitBtnClick() {
    pendingExit_ = nullptr;
    reject();
}

// The field being left is checked first, and so is the field that still has
// the focus when the button is worked from the keyboard, so the values
// handed over are always within the limits.
void TAdjustAirDriveForm::newGraphBitBtnClick() {
    const QLineEdit* checked = pendingExit_;
    RunFieldExit(true);
    QWidget* focused = focusWidget();
    if ((focused == ui->AdjustAirDrivePsiEdit || focused == ui->AdjustInletPsiEdit) && focused != checked)
        RunExit(static_cast<QLineEdit*>(focused));
    session_.GraphAirDrivePsi = NewAirDrivePsi;
    session_.GraphInletScale = NewInletPsi / Pump().GraphInletPsi;
    done(NewGraphResult);
}

// Fields are written with the system's separator; they read it back as well
// as ".".
void TAdjustAirDriveForm::ShowPressureInEdit(QLineEdit* edit, double psi) {
    const char point = SystemDecimalSeparator();
    const std::string text =
        AdjustShowsBar ? FormatFixed(psi / units::PsiPerBar, 6, 1, point) : FormatFixed(psi, 5, 0, point);
    const QString shown = QString::fromStdString(text);
    edit->setText(shown);
    (edit == ui->AdjustAirDrivePsiEdit ? airDriveWritten_ : inletWritten_) = shown;
}

void TAdjustAirDriveForm::ShowMaxInletLimits() {
    const double limit = MaxInletFor(Pump(), NewAirDrivePsi);
    ui->maxInletBarLabel->setText(BarLimitText(limit, texts::DesktopTranslator()));
    ui->maxInletPsiLabel->setText(PsiLimitText(limit, texts::DesktopTranslator()));
}

double TAdjustAirDriveForm::TypedPressure(const QString& text) {
    const double value = ParseEntry(text.toStdString(), true, empties_, notices_, SystemNumberStyle()).value_or(0);
    return AdjustShowsBar ? value * units::PsiPerBar : value;
}

// A field left as the dialog wrote it keeps the exact pressure behind its
// rounded text. Otherwise the text is read again; text that is not a number
// is reported and the pressure keeps its last value, which the limits then
// check, so a pressure is never stored from text nobody could read.
void TAdjustAirDriveForm::ReadLeftField(QLineEdit* edit, double& pressurePsi) {
    const QString text = edit->text();
    if (text == (edit == ui->AdjustAirDrivePsiEdit ? airDriveWritten_ : inletWritten_)) return;
    std::string number = text.toStdString();
    TrimLeadingBlanks(number);
    TrimTrailingBlanks(number);
    const NumberStyle style = SystemNumberStyle();
    const std::optional<double> value = ParseNumber(EntryNumberText(number, style.decimal));
    if (!value) {
        notices_.Beep();
        notices_.Warning(tr("'%1' is not a valid floating point value").arg(text).toStdString() +
                         ThousandsHint(number, style));
        return;
    }
    pressurePsi = AdjustShowsBar ? *value * units::PsiPerBar : *value;
}

void TAdjustAirDriveForm::RefuseOutOfRange(QLineEdit* edit, double& pressurePsi, double limitPsi,
                                           const QString& message) {
    notices_.Beep();
    notices_.Warning(message.toStdString());
    pressurePsi = limitPsi;
    ShowPressureInEdit(edit, limitPsi);
    edit->setFocus();
}

bool TAdjustAirDriveForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut &&
        (watched == ui->AdjustAirDrivePsiEdit || watched == ui->AdjustInletPsiEdit) &&
        LeavesTheField(static_cast<QFocusEvent*>(event)->reason()))
        QueueFieldExit(static_cast<QLineEdit*>(watched));
    return QDialog::eventFilter(watched, event);
}

// A warning shown in the middle of a focus change would upset it, so the
// check waits until the focus has settled. A press on "&New Graph" or
// "&Cancel" leaves it to that button: the first checks before it stores,
// the second throws the edits away.
void TAdjustAirDriveForm::QueueFieldExit(QLineEdit* edit) {
    pendingExit_ = edit;
    QTimer::singleShot(0, this, [this] { RunFieldExit(false); });
}

bool TAdjustAirDriveForm::RunFieldExit(bool evenWhileButtonDown) {
    if (pendingExit_ == nullptr || !isVisible()) return false;
    if (!evenWhileButtonDown && (ui->newGraphBitBtn->isDown() || ui->cancelBitBtn->isDown())) return false;
    RunExit(std::exchange(pendingExit_, nullptr));
    return true;
}

void TAdjustAirDriveForm::RunExit(QLineEdit* edit) {
    if (edit == ui->AdjustAirDrivePsiEdit) AdjustAirDrivePsiEditExit();
    if (edit == ui->AdjustInletPsiEdit) AdjustInletPsiEditExit();
}

}  // namespace zorvik
