#pragma once
// Adjust operating conditions: the air drive and gas inlet pressures of the
// performance chart, within the current model's limits. Every pressure is
// held in psig; barg is only a display unit.
//
// The opener sets AdjustShowsBar and ChartShown, shows the dialog modally
// and redraws its chart when it returns NewGraphResult ("&New Graph"): the
// session's GraphAirDrivePsi and GraphInletScale then hold the new
// conditions. Any other result changes nothing of the session.

#include <QString>

#include "chart_view.h"
#include "lazy_dialog.h"
#include "notices.h"
#include "numeric_entry.h"
#include "session.h"

class QLineEdit;

namespace Ui {
class TAdjustAirDriveForm;
}

namespace zorvik {

class TAdjustAirDriveForm : public LazyDialog {
    Q_OBJECT
public:
    static constexpr int NewGraphResult = QDialog::Accepted;

    TAdjustAirDriveForm(Session& session, Notices& notices, QWidget* parent = nullptr);
    ~TAdjustAirDriveForm() override;

    // Set by the opener before each showing: the fields show and take barg;
    // the chart whose model, drive and inlet pressures the dialog starts from.
    bool AdjustShowsBar = false;
    ChartView ChartShown;

    // The pressures being edited, psig.
    double NewAirDrivePsi = 0;
    double NewInletPsi = 0;
    double MinAirDrivePsi = 40.0;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build() override;
    void Retranslate() override;
    void FormShow();
    void airDrivePsiSpinButtonUpClick();
    void airDrivePsiSpinButtonDownClick();
    void AdjustAirDrivePsiEditChange();
    void AdjustAirDrivePsiEditExit();
    void inletPsiSpinButtonUpClick();
    void inletPsiSpinButtonDownClick();
    void AdjustInletPsiEditChange();
    void AdjustInletPsiEditExit();
    void cancelBitBtnClick();
    void newGraphBitBtnClick();

    void ShowPressureInEdit(QLineEdit* edit, double psi);
    void ShowMaxInletLimits();
    double TypedPressure(const QString& text);
    void ReadLeftField(QLineEdit* edit, double& pressurePsi);
    void RefuseOutOfRange(QLineEdit* edit, double& pressurePsi, double limitPsi, const QString& message);

    void QueueFieldExit(QLineEdit* edit);
    bool RunFieldExit(bool evenWhileButtonDown);
    void RunExit(QLineEdit* edit);

    const TPumpRecord& Pump() const { return ChartShown.Pump(); }

    Session& session_;
    Notices& notices_;
    EmptyEntryCount empties_;
    LazyUi<Ui::TAdjustAirDriveForm> ui{this};
    // A field whose exit has yet to be checked: leaving a field is checked
    // once the focus has settled, or by the button whose press took it.
    QLineEdit* pendingExit_ = nullptr;
    // What the dialog last wrote into each field; a field that still shows
    // it keeps the exact pressure behind the rounded text.
    QString airDriveWritten_;
    QString inletWritten_;
};

}  // namespace zorvik
