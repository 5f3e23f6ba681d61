#include "comparison_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "catalogue.h"
#include "comparison_chart_drawing.h"
#include "printing.h"
#include "comparison_table.h"
#include "comparison_chart_table.h"
#include "language.h"
#include "comparison_window_chart.h"
#include "data_table_dialog.h"
#include "comparison_page.h"
#include "running_cost.h"
#include "system_numbers.h"

namespace zorvik {
namespace {

const char kSettingsGroup[] = "Comparison";
const char kPowerKey[] = "KwPer100Scfm";
const char kHoursKey[] = "HoursPerYear";
const char kPriceKey[] = "PricePerKwh";
// It opens beside the selection window (792 wide) on a 1,600 px screen.
const QSize kStartSize(790, 900);
constexpr int kMinChartHeight = 280;
constexpr int kMinTableHeight = 160;
constexpr int kMinColumnWidth = 80;
constexpr int kMaxColumnWidth = 150;
constexpr int kSwatchPixels = 12;

QSettings Settings() { return QSettings(QStringLiteral("Zorvik"), QStringLiteral("Air Pressure Amplifiers")); }

QDoubleSpinBox* NumberBox(double max, int decimals) {
    auto* box = new DecimalSpinBox;
    box->setRange(0, max);
    box->setDecimals(decimals);
    box->setKeyboardTracking(false);
    return box;
}

QIcon Swatch(int model) {
    QPixmap swatch(kSwatchPixels, kSwatchPixels);
    swatch.fill(ModelColour(model));
    return QIcon(swatch);
}

}  // namespace

ComparisonWindow::ComparisonWindow(const Session& session, Notices& notices, QWidget* parent)
    : QDialog(parent), session_(session), notices_(notices) {
    setSizeGripEnabled(true);
    BuildControls();
    ShowTexts();
    table_->setMinimumHeight(kMinTableHeight);
    chart_->setMinimumHeight(kMinChartHeight);
    NameControls();
    // The chart's figures from the keyboard: on the chart, or anywhere in
    // the window.
    connect(chart_, &ComparisonChartView::activated, this, &ComparisonWindow::ShowChartTable);
    connect(new QShortcut(QKeySequence(tr("Ctrl+T")), this), &QShortcut::activated, this,
            &ComparisonWindow::ShowChartTable);
    resize(kStartSize);
}

// What a screen reader calls the controls that have no label of their own.
void ComparisonWindow::NameControls() {
    conditions_->setAccessibleName(tr("Conditions"));
    table_->setAccessibleName(tr("Comparison table"));
    modelChoice_->setAccessibleName(tr("Model to add"));
    chart_->setAccessibleName(tr("Comparison chart"));
}

void ComparisonWindow::ShowChartTable() { ShowDataTable(chartTable_, this, ComparisonChartTable(chart_->Chart())); }

ComparisonWindow::~ComparisonWindow() = default;

void ComparisonWindow::ShowTexts() {
    setWindowTitle(tr("Compare Amplifiers"));
    hoursLabel_->setText(tr("&Hours a year:"));
    priceLabel_->setText(tr("Electricity price per k&Wh:"));
    plantAir_->setText(tr("&Inlet gas from the drive air supply"));
    modelLabel_->setText(tr("&Model to add:"));
    add_->setText(tr("&Add"));
    remove_->setText(tr("&Remove Selected Column"));
    copy_->setText(tr("&Copy Table"));
    save_->setText(tr("&Save CSV..."));
    print_->setText(tr("&Print..."));
    chartTableButton_->setText(tr("Chart Table"));
    chartTableButton_->setToolTip(tr("The chart's figures as a table (Ctrl+T)"));
    close_->setText(tr("C&lose"));
    ShowCostUnits();
}

// The reasons, labels and conditions are the engine's texts: the
// comparison is made again in the new language.
void ComparisonWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    ShowTexts();
    if (!models_.empty()) Refresh();
}

void ComparisonWindow::BuildControls() {
    conditions_ = new QLabel;
    conditions_->setWordWrap(true);
    conditions_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    table_ = new QTableWidget;
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectColumns);
    table_->setWordWrap(true);
    table_->setTextElideMode(Qt::ElideNone);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    chart_ = new ComparisonChartView;
    split_ = new QSplitter(Qt::Vertical);
    split_->addWidget(table_);
    split_->addWidget(chart_);
    split_->setStretchFactor(0, 1);
    split_->setStretchFactor(1, 1);
    split_->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    // The window is never smaller than its controls need, whatever the
    // texts of the units they show.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->addWidget(conditions_);
    layout->addWidget(BuildCostRow());
    layout->addWidget(BuildModelRow());
    layout->addWidget(split_, 1);
    layout->addWidget(BuildButtonRow());
}

// Two rows of two settings, so the window fits beside the selection window.
QWidget* ComparisonWindow::BuildCostRow() {
    auto* row = new QWidget;
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    power_ = NumberBox(MaxKwPer100Scfm, 2);
    hours_ = NumberBox(MaxHoursPerYear, 0);
    price_ = NumberBox(MaxPricePerKwh, 3);
    powerLabel_ = new QLabel;
    hoursLabel_ = new QLabel;
    priceLabel_ = new QLabel;
    plantAir_ = new QCheckBox;
    powerLabel_->setBuddy(power_);
    hoursLabel_->setBuddy(hours_);
    priceLabel_->setBuddy(price_);
    layout->addWidget(powerLabel_, 0, 0);
    layout->addWidget(power_, 0, 1);
    layout->addWidget(hoursLabel_, 0, 2);
    layout->addWidget(hours_, 0, 3);
    layout->addWidget(priceLabel_, 1, 0);
    layout->addWidget(price_, 1, 1);
    layout->addWidget(plantAir_, 1, 2, 1, 2);
    layout->setColumnStretch(4, 1);
    // The power is kept as entered, in kW per 100 scfm: the box shows it
    // in the units of the window, rounded, and is read back only when the
    // user changes it.
    connect(power_, &QDoubleSpinBox::valueChanged, this, [this](double shown) {
        if (loading_) return;
        kwPer100Scfm_ = metric_ ? KwPer100ScfmOfMetric(shown) : shown;
    });
    for (QDoubleSpinBox* box : {power_, hours_, price_})
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] {
            if (loading_) return;
            SaveCostSettings();
            Refresh();
        });
    connect(plantAir_, &QCheckBox::toggled, this, [this] {
        if (!loading_) Refresh();
    });
    return row;
}

QWidget* ComparisonWindow::BuildModelRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    modelChoice_ = new QComboBox;
    modelChoice_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    modelLabel_ = new QLabel;
    modelLabel_->setBuddy(modelChoice_);
    add_ = new QPushButton;
    remove_ = new QPushButton;
    connect(add_, &QPushButton::clicked, this, &ComparisonWindow::AddClick);
    connect(remove_, &QPushButton::clicked, this, &ComparisonWindow::RemoveClick);
    layout->addWidget(modelLabel_);
    layout->addWidget(modelChoice_);
    layout->addWidget(add_);
    layout->addWidget(remove_);
    layout->addStretch(1);
    return row;
}

QWidget* ComparisonWindow::BuildButtonRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    copy_ = new QPushButton;
    save_ = new QPushButton;
    print_ = new QPushButton;
    chartTableButton_ = new QPushButton;
    close_ = new QPushButton;
    connect(copy_, &QPushButton::clicked, this, &ComparisonWindow::CopyClick);
    connect(save_, &QPushButton::clicked, this, &ComparisonWindow::SaveClick);
    connect(print_, &QPushButton::clicked, this, &ComparisonWindow::PrintClick);
    connect(chartTableButton_, &QPushButton::clicked, this, &ComparisonWindow::ShowChartTable);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    for (QPushButton* b : {copy_, save_, print_, chartTableButton_}) layout->addWidget(b);
    layout->addStretch(1);
    layout->addWidget(close_);
    return row;
}

void ComparisonWindow::Open(const SelectionResult& run, const std::vector<int>& models, bool inletIsDriveAir) {
    fill_ = run.IsFill();
    metric_ = run.metric;
    flowDuty_ = run.flowDuty;
    chargeDuty_ = run.chargeDuty;
    models_ = models;
    loading_ = true;
    LoadCostSettings();
    plantAir_->setChecked(inletIsDriveAir);
    loading_ = false;
    ShowCostUnits();
    Refresh();
    ShowWholeTable();
    PlaceBesideParent();
}

// Right of the window it was opened from, where the screen has room.
void ComparisonWindow::PlaceBesideParent() {
    const QWidget* opener = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (opener == nullptr || opener->screen() == nullptr) return;
    const QRect screen = opener->screen()->availableGeometry();
    const QRect beside(opener->frameGeometry().topRight() + QPoint(1, 0), frameGeometry().size());
    if (screen.contains(beside)) move(beside.topLeft());
}

// The table gets the height of all its rows, as far as the chart keeps a
// readable height; the user may move the split afterwards.
void ComparisonWindow::ShowWholeTable() {
    int height = table_->horizontalHeader()->sizeHint().height() + table_->horizontalScrollBar()->sizeHint().height() +
                 2 * table_->frameWidth();
    for (int r = 0; r < table_->rowCount(); ++r)
        if (!table_->isRowHidden(r)) height += table_->rowHeight(r);
    const int total = std::max(split_->height(), kStartSize.height() * 2 / 3);
    const int tableHeight = std::min(height, total - kMinChartHeight);
    split_->setSizes({tableHeight, total - tableHeight});
}

void ComparisonWindow::LoadCostSettings() {
    const CostSettings defaults;
    QSettings settings = Settings();
    settings.beginGroup(QString::fromLatin1(kSettingsGroup));
    kwPer100Scfm_ = settings.value(QString::fromLatin1(kPowerKey), defaults.kwPer100Scfm).toDouble();
    power_->setValue(metric_ ? KwPerNormalCubicMetrePerMin(kwPer100Scfm_) : kwPer100Scfm_);
    hours_->setValue(settings.value(QString::fromLatin1(kHoursKey), defaults.hoursPerYear).toDouble());
    price_->setValue(settings.value(QString::fromLatin1(kPriceKey), defaults.pricePerKwh).toDouble());
}

// Kept in kW per 100 scfm whatever the units shown.
void ComparisonWindow::SaveCostSettings() const {
    const CostSettings cost = Cost();
    QSettings settings = Settings();
    settings.beginGroup(QString::fromLatin1(kSettingsGroup));
    settings.setValue(QString::fromLatin1(kPowerKey), cost.kwPer100Scfm);
    settings.setValue(QString::fromLatin1(kHoursKey), cost.hoursPerYear);
    settings.setValue(QString::fromLatin1(kPriceKey), cost.pricePerKwh);
}

void ComparisonWindow::ShowCostUnits() {
    powerLabel_->setText(metric_ ? tr("Compr&essor power, kW per n.m3/min:")
                                 : tr("Compr&essor power, kW per 100 scfm:"));
    hoursLabel_->setVisible(!fill_);
    hours_->setVisible(!fill_);
    plantAir_->setVisible(!fill_);
}

CostSettings ComparisonWindow::Cost() const {
    CostSettings cost;
    cost.kwPer100Scfm = kwPer100Scfm_;
    cost.hoursPerYear = hours_->value();
    cost.pricePerKwh = price_->value();
    cost.inletIsPlantAir = plantAir_->isChecked();
    return cost;
}

void ComparisonWindow::Refresh() {
    if (fill_)
        chargeRows_ = CompareForCharge(chargeDuty_, models_, Cost(), metric_);
    else
        flowRows_ = CompareForFlow(flowDuty_, models_, Cost(), metric_);
    const ComparisonPage page = Page();
    conditions_->setText(DesktopFigures(page.conditions));
    chart_->SetChart(page.chart);
    chart_->setAccessibleDescription(ComparisonChartDescription(page.chart));
    if (chartTable_ != nullptr && chartTable_->isVisible()) chartTable_->SetTable(ComparisonChartTable(page.chart));
    FillTable();
    FillModelChoice();
}

ComparisonPage ComparisonWindow::Page() const {
    ComparisonPage page = fill_ ? ChargeComparisonPage(chargeRows_, chargeDuty_, Cost(), metric_)
                                : FlowComparisonPage(flowRows_, flowDuty_, Cost(), metric_);
    page.office = session_.Office();
    return page;
}

void ComparisonWindow::FillTable() {
    const ComparisonTable t =
        fill_ ? ChargeComparisonTable(chargeRows_, metric_) : FlowComparisonTable(flowRows_, metric_);
    table_->clear();
    table_->setColumnCount(static_cast<int>(t.models.size()));
    table_->setRowCount(static_cast<int>(t.rows.size()));
    for (int c = 0; c < table_->columnCount(); ++c) {
        auto* heading =
            new QTableWidgetItem(Swatch(t.modelNumbers[c]), QString::fromStdString(t.models[c]).simplified());
        table_->setHorizontalHeaderItem(c, heading);
    }
    for (int r = 0; r < table_->rowCount(); ++r) {
        table_->setVerticalHeaderItem(r, new QTableWidgetItem(DesktopText(t.rows[r].label)));
        const bool reason = t.rows[r].reasons;
        for (int c = 0; c < table_->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(DesktopFigures(t.rows[r].cells[c]));
            item->setTextAlignment(reason ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);
        }
    }
    // Every reason is shown whole: its cell wraps and its row grows.
    table_->resizeColumnsToContents();
    for (int c = 0; c < table_->columnCount(); ++c)
        table_->setColumnWidth(c, std::clamp(table_->columnWidth(c), kMinColumnWidth, kMaxColumnWidth));
    table_->resizeRowsToContents();
    // Nothing to explain when every model is listed. A row keeps its hidden
    // mark through clear(): the reason row of one table would hide a row of
    // the other shown after it.
    for (int r = 0; r < table_->rowCount(); ++r) {
        const ComparisonTable::Row& row = t.rows[static_cast<std::size_t>(r)];
        const bool nothing = std::all_of(row.cells.begin(), row.cells.end(), [](const Text& c) { return c.Empty(); });
        table_->setRowHidden(r, row.reasons && nothing);
    }
}

void ComparisonWindow::FillModelChoice() {
    modelChoice_->clear();
    for (int n = 1; n <= PumpCount; ++n)
        if (std::find(models_.begin(), models_.end(), n) == models_.end())
            modelChoice_->addItem(Swatch(n), QString::fromStdString(CatalogueRow(n).DisplayName()).simplified(), n);
}

void ComparisonWindow::AddModel(int model) {
    if (model < 1 || model > PumpCount || std::find(models_.begin(), models_.end(), model) != models_.end()) return;
    models_.insert(std::upper_bound(models_.begin(), models_.end(), model), model);
    Refresh();
}

void ComparisonWindow::RemoveModel(int model) {
    models_.erase(std::remove(models_.begin(), models_.end(), model), models_.end());
    Refresh();
}

void ComparisonWindow::AddClick() {
    if (modelChoice_->currentIndex() >= 0) AddModel(modelChoice_->currentData().toInt());
}

void ComparisonWindow::RemoveClick() {
    const int column = table_->currentColumn();
    if (column >= 0 && column < static_cast<int>(models_.size())) RemoveModel(models_[column]);
}

QString ComparisonWindow::TableText() const {
    const ComparisonTable t =
        fill_ ? ChargeComparisonTable(chargeRows_, metric_) : FlowComparisonTable(flowRows_, metric_);
    return SystemNumberText(TabSeparated(t, texts::DesktopTranslator()));
}

bool ComparisonWindow::SaveCsv(const QString& fileName) {
    const ComparisonTable t =
        fill_ ? ChargeComparisonTable(chargeRows_, metric_) : FlowComparisonTable(flowRows_, metric_);
    // Every cell is quoted, so a decimal comma stays inside its cell.
    const QByteArray text = SystemNumberText(CommaSeparated(t, texts::DesktopTranslator())).toUtf8();
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(text) >= 0 && file.commit()) return true;
    notices_.Beep();
    notices_.Error(tr("The table could not be saved.").toStdString());
    return false;
}

bool ComparisonWindow::PrintPage(QPrinter& printer) {
    const ComparisonPage page = Page();
    printer.setDocName(DesktopText(page.title));
    const bool printed = PrintComparisonPage(printer, page, texts::DesktopTranslator());
    const QPrinter::PrinterState state = printer.printerState();
    if (printed && state != QPrinter::Error && state != QPrinter::Aborted) return true;
    notices_.Beep();
    notices_.Error(tr("The comparison could not be printed: the printer could not be started.").toStdString());
    return false;
}

void ComparisonWindow::CopyClick() { QApplication::clipboard()->setText(TableText()); }

void ComparisonWindow::SaveClick() {
    const QString name = QFileDialog::getSaveFileName(this, tr("Save Comparison"), QStringLiteral("comparison.csv"),
                                                      tr("CSV files (*.csv)"));
    if (!name.isEmpty()) SaveCsv(name);
}

void ComparisonWindow::PrintClick() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (AskPrintDialog(*printer_, this)) PrintPage(*printer_);
}

}  // namespace zorvik
