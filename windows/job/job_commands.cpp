#include "job_commands.h"

#include <algorithm>

#include "job_table_model.h"

namespace zorvik {

InsertItemsCommand::InsertItemsCommand(JobTableModel& model, int row, std::vector<job::JobItem> items,
                                       const QString& text)
    : QUndoCommand(text), model_(model), row_(row), items_(std::move(items)) {}

void InsertItemsCommand::redo() { model_.InsertItems(row_, items_); }

void InsertItemsCommand::undo() {
    for (std::size_t i = 0; i < items_.size(); ++i) model_.RemoveItem(row_);
}

RemoveItemsCommand::RemoveItemsCommand(JobTableModel& model, std::vector<int> rows, const QString& text)
    : QUndoCommand(text), model_(model), rows_(std::move(rows)) {
    std::sort(rows_.begin(), rows_.end());
    rows_.erase(std::unique(rows_.begin(), rows_.end()), rows_.end());
    for (const int row : rows_) items_.push_back(model.Item(row));
}

// From the last, so the rows before keep their places.
void RemoveItemsCommand::redo() {
    for (auto row = rows_.rbegin(); row != rows_.rend(); ++row) model_.RemoveItem(*row);
}

void RemoveItemsCommand::undo() {
    for (std::size_t i = 0; i < rows_.size(); ++i) model_.InsertItems(rows_[i], {items_[i]});
}

MoveItemCommand::MoveItemCommand(JobTableModel& model, int from, int to, const QString& text)
    : QUndoCommand(text), model_(model), from_(from), to_(to) {}

void MoveItemCommand::redo() { model_.MoveItem(from_, to_); }
void MoveItemCommand::undo() { model_.MoveItem(to_, from_); }

SetItemCommand::SetItemCommand(JobTableModel& model, int row, job::JobItem after, const QString& text)
    : QUndoCommand(text), model_(model), row_(row), before_(model.Item(row)), after_(std::move(after)) {}

void SetItemCommand::redo() { model_.SetItem(row_, after_); }
void SetItemCommand::undo() { model_.SetItem(row_, before_); }

SetHeaderCommand::SetHeaderCommand(JobTableModel& model, job::JobHeader after, const QString& text)
    : QUndoCommand(text), model_(model), before_(model.Job().header), after_(std::move(after)) {}

void SetHeaderCommand::redo() { model_.SetHeader(after_); }
void SetHeaderCommand::undo() { model_.SetHeader(before_); }

}  // namespace zorvik
