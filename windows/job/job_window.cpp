#include "job_window.h"

#include <QBoxLayout>
#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>
#include <set>

#include "amplifier_selection_form.h"
#include "fixed_format.h"
#include "job_commands.h"
#include "job_header_panel.h"

namespace zorvik {
namespace {

constexpr int kAutosaveMs = 60 * 1000;

// Column widths in average characters; the duty takes what is left.
// clang-format off
constexpr int kColumnChars[JobTableModel::ColumnCount] = {
    // Mark Tag Qty Application Duty Model Delivers DriveAir Cost
    12,     9,  5,  11,         60,  9,    11,      10,      14,
};
// clang-format on

class QuantityDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* spin = new QSpinBox(parent);
        spin->setRange(job::MinQuantity, job::MaxQuantity);
        return spin;
    }
};

}  // namespace

JobWindow::JobWindow(Session& session, Notices& notices, QWidget* parent)
    : QMainWindow(parent), session_(session), notices_(notices) {
    setObjectName(QStringLiteral("JobWindow"));
    model_.SetUndoStack(&undoStack_);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    header_ = new JobHeaderPanel(session_.Offices, central);
    layout->addWidget(header_);
    table_ = new QTableView(central);
    table_->setAccessibleName(tr("Job items"));
    layout->addWidget(table_, 1);
    BuildButtons(*layout);
    setCentralWidget(central);
    ConfigureTable();
    BuildMenus();

    connect(header_, &JobHeaderPanel::HeaderEdited, this, [this](const job::JobHeader& header) {
        undoStack_.push(new SetHeaderCommand(model_, header, tr("Change the job's details")));
    });
    connect(&model_, &JobTableModel::HeaderChanged, this, [this] { header_->Show(model_.Job().header); });
    connect(&undoStack_, &QUndoStack::indexChanged, this, [this] {
        ++changeCount_;
        UpdateTitle();
    });
    connect(&undoStack_, &QUndoStack::cleanChanged, this, &JobWindow::UpdateTitle);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &JobWindow::UpdateActions);
    autosaveTimer_.setInterval(kAutosaveMs);
    connect(&autosaveTimer_, &QTimer::timeout, this, &JobWindow::AutosaveNow);
    autosaveTimer_.start();

    header_->Show(model_.Job().header);
    UpdateTitle();
    UpdateActions();
    resize(1100, 640);
}

void JobWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange || header_ == nullptr) return;
    header_->Retranslate();
    menuBar()->clear();
    itemActions_.clear();
    BuildMenus();
    const std::vector<ItemCommand> commands = ItemCommands();
    for (std::size_t i = 0; i < commands.size(); ++i) commandButtons_[i]->setText(commands[i].buttonText);
    submittalButton_->setText(SubmittalCaption());
    model_.Retranslate();
    UpdateTitle();
    UpdateActions();
}

QString JobWindow::SubmittalCaption() { return tr("&Submittal..."); }

JobWindow::~JobWindow() {
    if (selectionForm_ != nullptr) selectionForm_->ClearJobLink();
}

void JobWindow::ConfigureTable() {
    table_->setModel(&model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setWordWrap(false);
    table_->setAlternatingRowColors(true);
    table_->setItemDelegateForColumn(JobTableModel::QuantityColumn, new QuantityDelegate(table_));
    // Fixed heights and widths: a table of hundreds of items is never
    // measured row by row.
    QHeaderView* rows = table_->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 8);
    QHeaderView* columns = table_->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    for (int c = 0; c < JobTableModel::ColumnCount; ++c)
        columns->resizeSection(c, fontMetrics().averageCharWidth() * kColumnChars[c]);
    columns->setSectionResizeMode(JobTableModel::DutyColumn, QHeaderView::Stretch);
    connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (!(model_.flags(index) & Qt::ItemIsEditable)) EditDuty();
    });
}

// What can be done to the items, from the Edit menu and from the buttons
// under the table (whose mnemonics keep clear of the header's fields).
std::vector<JobWindow::ItemCommand> JobWindow::ItemCommands() {
    // clang-format off
    return {
        {tr("&Add item"),     tr("&Add"),          QKeySequence(Qt::Key_Insert),          [this] { AddItem(); },             false},
        {tr("D&uplicate"),    tr("Dup&licate"),    QKeySequence(Qt::CTRL | Qt::Key_D),    [this] { DuplicateItems(); },      true},
        {tr("&Edit duty..."), tr("Edit du&ty..."), QKeySequence(Qt::CTRL | Qt::Key_E),    [this] { EditDuty(); },            true},
        {tr("&Remove"),       tr("Re&move"),       QKeySequence(QKeySequence::Delete),    [this] { RemoveItems(); },         true},
        {tr("Move u&p"),      tr("Move &up"),      QKeySequence(Qt::CTRL | Qt::Key_Up),   [this] { MoveCurrentItem(-1); },   true},
        {tr("Move do&wn"),    tr("Move do&wn"),    QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { MoveCurrentItem(1); },    true},
    };
    // clang-format on
}

void JobWindow::BuildButtons(QBoxLayout& layout) {
    auto* row = new QHBoxLayout;
    layout.addLayout(row);
    for (const ItemCommand& command : ItemCommands()) {
        auto* button = new QPushButton(command.buttonText, this);
        commandButtons_.push_back(button);
        row->addWidget(button);
        connect(button, &QPushButton::clicked, this, command.run);
        if (command.needsItem) itemButtons_.push_back(button);
    }
    row->addStretch(1);
    submittalButton_ = new QPushButton(SubmittalCaption(), this);
    row->addWidget(submittalButton_);
    connect(submittalButton_, &QPushButton::clicked, this, &JobWindow::SubmittalAsked);
}

void JobWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New"), QKeySequence::New, this, [this] { NewJob(); });
    file->addAction(tr("&Open..."), QKeySequence::Open, this, &JobWindow::OpenAsked);
    recentMenu_ = file->addMenu(tr("Open &recent"));
    connect(recentMenu_, &QMenu::aboutToShow, this, &JobWindow::ShowRecentFiles);
    file->addAction(tr("&Save"), QKeySequence::Save, this, [this] { Save(); });
    file->addAction(tr("Save &as..."), QKeySequence::SaveAs, this, &JobWindow::SaveAsAsked);
    file->addSeparator();
    file->addAction(tr("Su&bmittal..."), QKeySequence::Print, this, &JobWindow::SubmittalAsked);
    file->addSeparator();
    file->addAction(tr("&Close"), QKeySequence::Close, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = undoStack_.createUndoAction(this, tr("&Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = undoStack_.createRedoAction(this, tr("&Redo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    for (const ItemCommand& command : ItemCommands()) {
        QAction* action = edit->addAction(command.menuText, command.keys, this, command.run);
        if (command.needsItem) itemActions_.push_back(action);
    }
}

bool JobWindow::IsModified() const { return !undoStack_.isClean() || restoredUnsaved_; }

void JobWindow::UpdateTitle() {
    const QString name = fileName_.isEmpty() ? tr("Untitled job") : QFileInfo(fileName_).fileName();
    setWindowTitle(tr("%1[*] - Job - Zorvik Air Pressure Amplifiers").arg(name));
    setWindowModified(IsModified());
}

void JobWindow::UpdateActions() {
    const bool chosen = !SelectedRows().empty();
    for (QAction* action : itemActions_) action->setEnabled(chosen);
    for (QPushButton* button : itemButtons_) button->setEnabled(chosen);
}

std::vector<int> JobWindow::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int JobWindow::CurrentRow() const {
    const std::vector<int> rows = SelectedRows();
    const int current = table_->currentIndex().row();
    if (std::find(rows.begin(), rows.end(), current) != rows.end()) return current;
    return rows.empty() ? -1 : rows.front();
}

void JobWindow::SelectRow(int row) {
    if (row < 0 || row >= model_.ItemCount()) return;
    table_->selectRow(row);
    table_->setCurrentIndex(model_.index(row, JobTableModel::TagColumn));
    table_->scrollTo(model_.index(row, 0));
}

// `wanted`, or with " (2)", " (3)"... when an item has that tag already.
std::string JobWindow::FreeTag(const std::string& wanted, const std::vector<job::JobItem>& adding) const {
    std::set<std::string> taken;
    for (const job::JobItem& item : model_.Job().items) taken.insert(item.tag);
    for (const job::JobItem& item : adding) taken.insert(item.tag);
    std::string tag = wanted;
    for (int n = 2; taken.count(tag) != 0; ++n) tag = wanted + " (" + WholeNumber(n) + ")";
    return tag;
}

int JobWindow::AddItem() {
    job::JobItem item;
    item.tag = FreeTag(tr("Item %1").arg(model_.ItemCount() + 1).toStdString());
    const int row = CurrentRow() < 0 ? model_.ItemCount() : CurrentRow() + 1;
    undoStack_.push(new InsertItemsCommand(model_, row, {item}, tr("Add item")));
    SelectRow(row);
    return row;
}

// The copies follow the last item chosen; they have figures of their own
// only once saved.
void JobWindow::DuplicateItems() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) return;
    std::vector<job::JobItem> copies;
    for (const int row : rows) {
        job::JobItem copy = model_.Item(row);
        copy.tag = FreeTag(copy.tag, copies);
        copy.savedFigures.reset();
        copies.push_back(std::move(copy));
    }
    const int at = rows.back() + 1;
    undoStack_.push(new InsertItemsCommand(model_, at, std::move(copies), tr("Duplicate")));
    SelectRow(at);
}

void JobWindow::RemoveItems() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) return;
    undoStack_.push(new RemoveItemsCommand(model_, rows, tr("Remove")));
    SelectRow(std::min(rows.front(), model_.ItemCount() - 1));
}

void JobWindow::MoveCurrentItem(int step) {
    const int from = CurrentRow();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= model_.ItemCount()) return;
    undoStack_.push(new MoveItemCommand(model_, from, to, step < 0 ? tr("Move up") : tr("Move down")));
    SelectRow(to);
}

// The selection window is modal; it opens on the item's duty and its
// "Keep in job" button changes the item, once, as one command.
void JobWindow::EditDuty() {
    const int row = CurrentRow();
    if (row < 0 || selectionForm_ == nullptr) return;
    const job::JobItem& item = model_.Item(row);
    selectionForm_->LoadDuty(item.application, item.duty);
    selectionForm_->SetJobLink(tr("&Keep in job"), [this, row](const SelectedDuty& selected) {
        job::JobItem changed = model_.Item(row);
        changed.application = selected.application;
        // The selection window has no word on where the gas comes from: the item's own stays.
        const std::optional<bool> plantAir = changed.duty.inletIsPlantAir;
        changed.duty = selected.duty;
        changed.duty.inletIsPlantAir = plantAir;
        changed.model = selected.model;
        if (changed == model_.Item(row)) return;
        changed.savedFigures.reset();
        undoStack_.push(new SetItemCommand(model_, row, std::move(changed), tr("Edit duty")));
    });
    selectionForm_->exec();
    if (isVisible())
        OfferAddToJob();
    else
        selectionForm_->ClearJobLink();
    SelectRow(row);
}

void JobWindow::AddSelectedDuty(const SelectedDuty& selected) {
    job::JobItem item;
    item.tag = FreeTag(tr("Item %1").arg(model_.ItemCount() + 1).toStdString());
    item.application = selected.application;
    item.duty = selected.duty;
    item.model = selected.model;
    const int row = model_.ItemCount();
    undoStack_.push(new InsertItemsCommand(model_, row, {item}, tr("Add item")));
    SelectRow(row);
}

// While this window is open, the selection window offers to add its duty here.
void JobWindow::OfferAddToJob() {
    if (selectionForm_ != nullptr)
        selectionForm_->SetJobLink(tr("&Add to job"),
                                   [this](const SelectedDuty& selected) { AddSelectedDuty(selected); });
}

void JobWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    OfferAddToJob();
}

void JobWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (selectionForm_ != nullptr) selectionForm_->ClearJobLink();
}

}  // namespace zorvik
