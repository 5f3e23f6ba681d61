#pragma once
// The comparison window: the models of the selection list side by side at
// the list's conditions, any other model added, what the drive air costs to
// run, why a model is not listed, and a chart of every model. The table
// copies as tab-separated text, saves as CSV, and the page prints.
//
// It takes the duty of a selection run when opened, so it shows the
// conditions that made the list even while the user edits the fields.

#include <QDialog>
#include <memory>
#include <vector>

#include "charge_search.h"
#include "comparison.h"
#include "flow_search.h"
#include "notices.h"
#include "selection_result.h"
#include "session.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPrinter;
class QPushButton;
class QSplitter;
class QTableWidget;

namespace zorvik {

class ComparisonChartView;
class DataTableDialog;
struct ComparisonPage;

class ComparisonWindow : public QDialog {
    Q_OBJECT
public:
    ComparisonWindow(const Session& session, Notices& notices, QWidget* parent = nullptr);
    ~ComparisonWindow() override;

    // Compares `models` at the conditions the selection run read, in the
    // units it wrote its rows in. `inletIsDriveAir`: the selection's "Inlet
    // pressure equal to air drive pressure" box, the default of the
    // plant-air cost box.
    void Open(const SelectionResult& run, const std::vector<int>& models, bool inletIsDriveAir);

    void AddModel(int model);
    void RemoveModel(int model);
    const std::vector<int>& Models() const { return models_; }
    bool IsFill() const { return fill_; }

    // The table as the Copy button puts it on the clipboard, its numbers
    // with the system's decimal separator as the window shows them.
    QString TableText() const;
    bool SaveCsv(const QString& fileName);
    // Draws the page onto a printer the caller has set up.
    bool PrintPage(QPrinter& printer);

    CostSettings Cost() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void BuildControls();
    void ShowTexts();
    QWidget* BuildCostRow();
    QWidget* BuildModelRow();
    QWidget* BuildButtonRow();
    void LoadCostSettings();
    void SaveCostSettings() const;
    void ShowCostUnits();
    void Refresh();
    void FillTable();
    void FillModelChoice();
    void ShowWholeTable();
    void PlaceBesideParent();
    ComparisonPage Page() const;
    void CopyClick();
    void SaveClick();
    void PrintClick();
    void AddClick();
    void RemoveClick();
    void ShowChartTable();
    void NameControls();

    const Session& session_;  // its office names the printed page
    Notices& notices_;
    bool fill_ = false;
    bool metric_ = false;
    FlowDuty flowDuty_;
    ChargeDuty chargeDuty_;
    std::vector<int> models_;
    std::vector<FlowComparisonRow> flowRows_;
    std::vector<ChargeComparisonRow> chargeRows_;
    bool loading_ = false;
    double kwPer100Scfm_ = 0;  // the compressor's specific power as entered

    QLabel* conditions_ = nullptr;
    QDoubleSpinBox* power_ = nullptr;
    QLabel* powerLabel_ = nullptr;
    QDoubleSpinBox* hours_ = nullptr;
    QLabel* hoursLabel_ = nullptr;
    QDoubleSpinBox* price_ = nullptr;
    QLabel* priceLabel_ = nullptr;
    QCheckBox* plantAir_ = nullptr;
    QComboBox* modelChoice_ = nullptr;
    QLabel* modelLabel_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* chartTableButton_ = nullptr;
    QPushButton* close_ = nullptr;
    QTableWidget* table_ = nullptr;
    ComparisonChartView* chart_ = nullptr;
    QSplitter* split_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    // The chart's figures, made when first asked for; a child of the window.
    DataTableDialog* chartTable_ = nullptr;
};

}  // namespace zorvik
