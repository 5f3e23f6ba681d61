#pragma once
// Dimensions & Graphs: browses the fifteen models one at a time, showing in
// one picture the dimension drawing of a model or accessory option or the
// model's performance chart, with the data sheet, the adjust dialog, copy and
// print. The model, what the picture shows and the chart's drive and inlet
// settings are the session's.

#include <QFont>
#include <QImage>
#include <memory>

#include "canvas.h"
#include "chart_view.h"
#include "dimension_drawings.h"
#include "lazy_dialog.h"
#include "notices.h"
#include "session.h"

class QPrinter;
class QRadioButton;

namespace Ui {
class TzampGraph1Form;
}

namespace zorvik {

class DataTableDialog;
class TAdjustAirDriveForm;
class TmodelDataForm;

class TzampGraph1Form : public LazyDialog {
    Q_OBJECT
public:
    TzampGraph1Form(Session& session, Notices& notices, QWidget* parent = nullptr);
    ~TzampGraph1Form() override;

    // The dialogs this window opens; wired once at start-up.
    void SetSubWindows(TAdjustAirDriveForm* adjustAirDrive, TmodelDataForm* modelData);

    // The 617 x 461 picture.
    QImage& PerformanceGraphImage();
    // Draws `drawing` into the picture and keeps it to draw again (sharper,
    // printed, copied).
    void ShowPicture(const PictureDrawing& drawing);
    // The caption of DrivePressurePanel.
    void SetDrivePressureCaption(const QString& caption);
    // What the picture shows, to draw again at any scale.
    PictureDrawing PictureDrawingShown() const;
    // The last chart drawn, at the drive and inlet pressures it was drawn
    // at: what the adjust dialog starts from.
    const ChartView& ChartShown() const { return chart_; }

    // True while "mm" is chosen for the dimensioned option drawings.
    bool OptionDrawingInMm = true;

    // Asks the print dialog, then prints the picture as a data sheet.
    void PrintBitBtnClick();
    // Prints the data sheet onto a printer the caller has set up. False,
    // after telling the user, when the printer cannot be started or cannot
    // finish the page.
    bool PrintDataSheetOn(QPrinter& printer);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build() override;
    void Retranslate() override;
    void FormCreate();
    void FormShow();
    void TabListBox1Click();
    void TabListBox2Click(QRadioButton* fromRadioButton = nullptr);
    void DrawGraphBitBtnClick();
    void ShowDrawingBitBtnClick();
    void ShowAmplifierBitBtnClick();
    void AdjustAirDriveBitBtnClick();
    void ShowDataBitBtnClick();
    void CopyToClipboardBitBtnClick();
    void ModelDetailsMemoEnter(bool forward);
    void CloseBitBtnClick();
    void ShowChartTable();

    void FillOptionList(int pumpNo);
    int ChosenModelRow();
    bool ShowModelPicture();
    void ShowModelType();
    void ShowModeControls();
    void ShowDrawingCaption();
    void ShowModelButtons();
    void DrawModel();
    void DrawGraphSettings();
    void ShowDrawing(const DrawingView& view);

    Session& session_;
    Notices& notices_;
    ChartView chart_;
    LazyUi<Ui::TzampGraph1Form> ui{this};
    // The drive pressure panel's font as the window's layout gives it.
    QFont captionFont_;
    TAdjustAirDriveForm* AdjustAirDriveForm = nullptr;
    TmodelDataForm* modelDataForm = nullptr;
    // The model whose option rows the list shows, so a change of language
    // writes the same rows again whatever model was chosen elsewhere since.
    int optionPumpNo_ = -1;
    // Made at the first print and kept, so the print dialog offers the
    // printer and settings chosen last time.
    std::unique_ptr<QPrinter> PrintDialog1Printer;
    // The chart's figures, made when first asked for; a child of the window.
    DataTableDialog* chartTable_ = nullptr;
};

}  // namespace zorvik
