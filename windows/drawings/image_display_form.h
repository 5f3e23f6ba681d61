#pragma once
// Selected Model: shows the dimension drawing or the performance chart of a
// model chosen from a selection list, with unit flip, print and copy. It has
// no picture of its own to draw on: it draws into the graph window's picture
// and shows a copy, and prints through the graph window's data sheet print.
//
// To open it: make the model current (Shared.PumpIndex := n, SelectPump(n)),
// leave the selection's operating point in the shared state (AirDrivePsi,
// InletPsi, and for the chart's overlay ApplicationType with OutletPsi and
// FlowScfm, or OutStartPsi, OutFinalPsi and ChargeFlowTable), set
// Shared.DisplayMode to DisplayDrawingInches / DisplayDrawingMm or
// DisplayChartPsi / DisplayChartBar, then call exec(). A flip of units made
// here stays in DisplayMode. The chart is drawn with ShowChargeCurve set,
// which the graph window clears again when it is next shown.

#include <QImage>

#include "lazy_dialog.h"

namespace Ui {
class TimageDisplayForm;
}

namespace zorvik {

class TzampGraph1Form;

class TimageDisplayForm : public LazyDialog {
    Q_OBJECT
public:
    explicit TimageDisplayForm(QWidget* parent = nullptr);
    ~TimageDisplayForm() override;

    // The window whose picture and print this one borrows; wired at start-up.
    void SetGraphWindow(TzampGraph1Form* graphWindow);

    // Axis tops of the last chart shown: outlet pressure psig, flow scfm.
    double ViewStallOutletPsi = 0;
    double ViewMaxFlowScfm = 0;

    // The copy of the graph window's picture on show.
    const QImage& ShownPicture() const { return shownPicture_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Build() override;
    void FormShow();
    void flipUnitsBitBtnClick();
    void printBitBtnClick();
    void CopyToClipboardBitBtnClick();
    void OkBitBtnClick();

    void ComputeViewRange();
    void Redraw();

    LazyUi<Ui::TimageDisplayForm> ui{this};
    TzampGraph1Form* zampGraph1Form = nullptr;
    QImage shownPicture_;
};

}  // namespace zorvik
