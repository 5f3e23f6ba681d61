#pragma once
// Selected Model: shows the dimension drawing or the performance chart of a
// model chosen from a selection list, with unit flip, print and copy.
//
// To open it: hand it the chosen row's chart (SetChart: the model, the
// selection's drive and inlet pressures and the row's duty point or charge
// points), set the session's DisplayMode to DisplayDrawingInches /
// DisplayDrawingMm or DisplayChartPsi / DisplayChartBar (model_hand_off.h),
// then call exec(). A flip of units made here stays in DisplayMode. It draws
// its own picture and prints it as a data sheet naming the session's office.

#include <QImage>
#include <memory>

#include "canvas.h"
#include "chart_view.h"
#include "lazy_dialog.h"
#include "notices.h"
#include "session.h"

class QPrinter;

namespace Ui {
class TimageDisplayForm;
}

namespace zorvik {

class DataTableDialog;

class TimageDisplayForm : public LazyDialog {
    Q_OBJECT
public:
    TimageDisplayForm(Session& session, Notices& notices, QWidget* parent = nullptr);
    ~TimageDisplayForm() override;

    // The chosen row's chart; its units follow DisplayMode. Its model is the
    // drawing's too.
    void SetChart(const ChartView& chart) { chart_ = chart; }

    // Axis tops of the last chart shown: outlet pressure psig, flow scfm.
    double ViewStallOutletPsi = 0;
    double ViewMaxFlowScfm = 0;

    // The 617 x 461 picture on show.
    const QImage& ShownPicture() const { return shownPicture_; }
    PictureDrawing PictureDrawingShown() const { return drawing_; }

    // Prints the picture as a data sheet onto a printer the caller has set
    // up. False, after telling the user, when it could not be printed.
    bool PrintDataSheetOn(QPrinter& printer);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Build() override;
    void Retranslate() override;
    void FormShow();
    void flipUnitsBitBtnClick();
    void printBitBtnClick();
    void CopyToClipboardBitBtnClick();
    void OkBitBtnClick();

    void Redraw();
    void Show(const PictureDrawing& drawing);
    void ShowChartTable();
    ChartView ChartInMode() const;

    Session& session_;
    Notices& notices_;
    LazyUi<Ui::TimageDisplayForm> ui{this};
    ChartView chart_;
    PictureDrawing drawing_;
    QImage shownPicture_;
    // Made at the first print and kept, so the print dialog offers the
    // printer and settings chosen last time.
    std::unique_ptr<QPrinter> PrintDialog1Printer;
    // The chart's figures, made when first asked for; a child of the window.
    DataTableDialog* chartTable_ = nullptr;
};

}  // namespace zorvik
