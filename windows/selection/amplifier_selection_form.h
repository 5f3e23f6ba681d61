#pragma once
// The selection window: the user picks an application (continuous process
// or vessel charging), enters its conditions over a schematic, and lists
// the models that can do the job. Fields, layout, options, units and the
// last list stay from one showing to the next.
//
// What it shares with the rest of the program, through the session:
// ApplicationType and MetricUnits, set by its layouts and its unit switch,
// and the operating point read by the last search. It keeps the last run's
// result beside the list (SelectionTabListBox): the list shows the rows'
// texts, and every action on a row takes that row's figures.
//
// "&Print List" prints the conditions and every row of the list on one page
// (selection_report.h). "Show &Drawing" and "Show &Graph" make the model of
// the selected row current (model_hand_off.h) and open the picture viewer on
// its drawing or its performance graph, with the row's operating point.

#include <QTimer>
#include <array>
#include <memory>
#include <vector>

#include "lazy_dialog.h"
#include "notices.h"
#include "selection_entry.h"
#include "selection_controls.h"
#include "selection_duty_link.h"
#include "selection_layouts.h"
#include "selection_result.h"
#include "session.h"

class QAction;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace Ui {
class TAmplifierSelectionForm;
}

namespace zorvik {

class Canvas;
class ComparisonWindow;
class TimageDisplayForm;

class TAmplifierSelectionForm : public LazyDialog {
    Q_OBJECT
public:
    TAmplifierSelectionForm(Session& session, Notices& notices, QWidget* parent = nullptr);
    ~TAmplifierSelectionForm() override;

    // The picture viewer that "Show &Drawing" and "Show &Graph" open; wired
    // at start-up.
    void SetImageDisplayForm(TimageDisplayForm* viewer) { imageDisplayForm = viewer; }

    // Draws the list report as the window stands onto a printer the caller
    // has set up. False, after telling the user, when the printer cannot be
    // started.
    bool PrintList(QPrinter& printer);

    // "C&ompare": the listed models side by side (comparison_window.h).
    // Enabled while the list holds model rows; also on the list's context
    // menu.
    void CompareBitBtnClick();
    ComparisonWindow* Comparison() const { return comparisonWindow.get(); }

    // Jobs (selection_duty_link.cpp). LoadDuty fills the fields, units,
    // application and check boxes with an item's duty; TypedDuty is the
    // duty as they stand with the chosen row's model. While a job link is
    // set, a button with `caption` ("&Add to job", "&Keep in job") hands
    // TypedDuty to `keep` and closes the window.
    void LoadDuty(job::Application application, const job::ItemDuty& duty);
    SelectedDuty TypedDuty() const;
    void SetJobLink(const QString& caption, JobLinkCallback keep);
    void ClearJobLink();
    QPushButton* JobLinkButton() const { return jobLinkButton_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build() override;
    void Retranslate() override;
    void FormCreate();
    void FormShow();
    void MainMenuBitBtnClick();
    void systemAImageClick();
    void systemBImageClick();
    void ApplicationTypeComboBoxClick(int index);
    void ListSelectionsBitBtnClick();
    void metricImperialUnitsBitBtnClick();
    void pOutletPsiEditChange(SelectionEntry entry);
    void disableAirQtyLimitCheckBoxClick();
    void disableFlowrateLimitCheckBoxClick();
    void Timer1Timer();
    void InstructMemoEnter(bool forward);
    void PrintBitBtnClick();
    void ShowDrawingBitBtnClick();

    void ShowInstructions();
    void ConvertEntryUnits(SelectionEntry entry);
    void RefuseToConvert(const QLineEdit* edit);
    void ShowLayout(int applicationType, bool focusDrive);
    void ShowEntryCaptions();
    void ShowHeadings();
    void ShowSchematic();
    void ShowListTexts();
    void ClearSelections();
    SelectionResult RunSelection();
    std::vector<SelectionEntryField> EntryFields() const;
    SelectionControls ControlsOf(std::vector<SelectionEntryField>& fields);
    void UpdateCompare();
    void FillGasList();
    QString ReportGasText() const;
    Gas ChosenGas() const;
    int RowTextWidth(const std::string& text) const;
    void SetButtonGlyphs();
    void ConnectCompare();
    std::vector<int> ListedModels() const;
    const SelectionRow* ChosenRow() const;
    void JobLinkBitBtnClick();

    Session& session_;
    Notices& notices_;
    LazyUi<Ui::TAmplifierSelectionForm> ui{this};
    // The last run, whose rows the list shows while it shows any: list row
    // i is lastRun_.rows[i]. Emptied whenever the list is; runShown_ while
    // the list shows a run's outcome, rows or "No selections".
    SelectionResult lastRun_;
    bool runShown_ = false;
    QAction* compareAction_ = nullptr;
    // What each field held before the last unit switch, and what the switch
    // wrote into it.
    struct UnitSwitchMemory {
        QString before;
        QString written;
    };
    std::array<UnitSwitchMemory, SelectionEntryCount> switched_{};
    int instructionsHeight_ = 0;  // the memo's own height, while no job button takes its foot
    UnitSwitchMemory switchedGas_;
    UnitSwitchMemory switchedLimit_;
    void ConvertTemperature(QLineEdit* edit, UnitSwitchMemory& memory);
    QString ShownFigure(const QString& typed) const;
    void LoadGas(const job::ItemDuty& duty);
    QString StandardTemperatureText() const;
    // The hidden fontSizeImage's canvas: its font (Arial 12 pt) measures the
    // cells of the result rows.
    std::unique_ptr<Canvas> fontSizeCanvas;
    std::array<QLineEdit*, SelectionEntryCount> entryEdits{};
    std::array<QLabel*, SelectionEntryCount> entryLabels{};
    QTimer Timer1;
    // Made at the first print and kept, so the print dialog offers the
    // printer and settings chosen last time.
    std::unique_ptr<QPrinter> PrintDialog1Printer;
    TimageDisplayForm* imageDisplayForm = nullptr;
    std::unique_ptr<ComparisonWindow> comparisonWindow;
    // How the system writes numbers, read when the window is built.
    NumberStyle numberStyle;
    QPushButton* jobLinkButton_ = nullptr;
    JobLinkCallback jobLink_;
};

}  // namespace zorvik
