#pragma once
// The job a job window shows, as a table of its items: the model owns the
// Job, keeps each item's figures computed from its duty beside it, and
// changes the job only through the functions below, which the window's undo
// commands call. An item's row is made once when the item changes, so a
// table of hundreds of items scrolls without recomputing anything.

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "item_figures.h"
#include "job.h"

class QUndoStack;

namespace zorvik {

// What a row's first column marks, the most pressing first.
enum class ItemMark {
    None,
    DutyRefused,     // the duty cannot be computed as typed
    FiguresChanged,  // the figures differ from those saved with the file
    NoModel,         // no model chosen yet
    FailsDuty,       // the chosen model would not be listed for the duty
};

class JobTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        MarkColumn,
        TagColumn,
        QuantityColumn,
        ApplicationColumn,
        DutyColumn,
        ModelColumn,
        DeliversColumn,
        DriveAirColumn,
        CostColumn,
        ColumnCount
    };

    explicit JobTableModel(QObject* parent = nullptr);

    // Edits typed into the table's cells (tag, quantity) go onto `stack` as
    // commands, so they can be undone like every other change.
    void SetUndoStack(QUndoStack* stack) { undoStack_ = stack; }

    const job::Job& Job() const { return job_; }
    const job::JobItem& Item(int row) const { return job_.items[static_cast<std::size_t>(row)]; }
    const job::ItemResult& Result(int row) const { return rows_[static_cast<std::size_t>(row)].result; }
    ItemMark Mark(int row) const { return rows_[static_cast<std::size_t>(row)].mark; }
    int ItemCount() const { return static_cast<int>(job_.items.size()); }

    // The whole job at once (a file opened, a new job).
    void SetJob(job::Job job);
    void SetHeader(const job::JobHeader& header);
    void InsertItems(int row, const std::vector<job::JobItem>& items);
    void RemoveItem(int row);
    void MoveItem(int from, int to);
    void SetItem(int row, const job::JobItem& item);
    // After a save: `saved` is the job as written, with its figures of now.
    void TakeSavedFigures(const job::Job& saved);
    void Retranslate();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    void HeaderChanged();

private:
    struct Row {
        job::ItemResult result;
        ItemMark mark = ItemMark::None;
        std::vector<QString> cells;  // the schedule's cells
        QString status;              // why the item is marked, for its tooltip
    };
    Row RowOf(const job::JobItem& item) const;
    QString CellText(int row, int column) const;
    QString MarkText(ItemMark mark) const;

    job::Job job_;
    std::vector<Row> rows_;
    QUndoStack* undoStack_ = nullptr;
};

}  // namespace zorvik
