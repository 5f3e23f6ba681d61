#include "data_table_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

namespace zorvik {
namespace {

const QSize kStartSize(560, 420);

// A table view whose Ctrl+C copies what the dialog copies: a plain view
// takes the key itself and copies only the current cell.
class CopyingTableView : public QTableView {
public:
    explicit CopyingTableView(std::function<void()> copy) : copy_(std::move(copy)) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!event->matches(QKeySequence::Copy)) return QTableView::keyPressEvent(event);
        copy_();
        event->accept();
    }

private:
    std::function<void()> copy_;
};

}  // namespace

DataTableDialog::DataTableDialog(QWidget* parent)
    : QDialog(parent), model_(new QStandardItemModel(this)), view_(new CopyingTableView([this] { Copy(); })) {
    setObjectName(QStringLiteral("DataTableDialog"));
    setModal(false);
    setSizeGripEnabled(true);
    view_->setObjectName(QStringLiteral("DataTableView"));
    view_->setModel(model_);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setTabKeyNavigation(false);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox;
    QPushButton* copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setText(tr("C&lose"));
    copy->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, &DataTableDialog::Copy);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(buttons);
    resize(kStartSize);
}

void DataTableDialog::SetTable(const DataTable& table) {
    setWindowTitle(table.title);
    view_->setAccessibleName(table.title);
    model_->clear();
    model_->setHorizontalHeaderLabels(table.columns);
    for (const QStringList& row : table.rows) {
        QList<QStandardItem*> items;
        for (const QString& cell : row) {
            auto* item = new QStandardItem(cell);
            // The figures line up on their last digit, the names on their first letter.
            if (!items.isEmpty()) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            items.append(item);
        }
        model_->appendRow(items);
    }
    view_->resizeColumnsToContents();
    // The first cell current, none selected: Ctrl+C copies the whole table
    // until the user picks cells.
    if (model_->rowCount() > 0)
        view_->selectionModel()->setCurrentIndex(model_->index(0, 0), QItemSelectionModel::NoUpdate);
}

// The selected cells, in their rows and columns; the whole table, headings
// first, when nothing or everything is selected.
QString DataTableDialog::CopiedText() const {
    QModelIndexList cells = view_->selectionModel()->selectedIndexes();
    const bool all = cells.isEmpty() || cells.size() == model_->rowCount() * model_->columnCount();
    if (cells.isEmpty())
        for (int r = 0; r < model_->rowCount(); ++r)
            for (int c = 0; c < model_->columnCount(); ++c) cells.append(model_->index(r, c));
    std::sort(cells.begin(), cells.end());
    QStringList lines;
    if (all) {
        QStringList headings;
        for (int c = 0; c < model_->columnCount(); ++c)
            headings.append(model_->headerData(c, Qt::Horizontal).toString());
        lines.append(headings.join(QLatin1Char('\t')));
    }
    int row = -1;
    for (const QModelIndex& cell : cells) {
        if (cell.row() != row)
            lines.append(QString());
        else
            lines.last().append(QLatin1Char('\t'));
        lines.last().append(cell.data().toString());
        row = cell.row();
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void DataTableDialog::Copy() const { QApplication::clipboard()->setText(CopiedText()); }

void ShowDataTable(DataTableDialog*& dialog, QWidget* parent, const DataTable& table) {
    if (dialog == nullptr) dialog = new DataTableDialog(parent);
    dialog->SetTable(table);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

}  // namespace zorvik
