#pragma once
// Every change of a job window's job as an undoable command over its table
// model: items added or duplicated, removed, moved, changed (a tag, a
// quantity, a duty and model kept from the selection window), and the
// job's header.

#include <QUndoCommand>
#include <vector>

#include "job.h"

namespace zorvik {

class JobTableModel;

class InsertItemsCommand final : public QUndoCommand {
public:
    InsertItemsCommand(JobTableModel& model, int row, std::vector<job::JobItem> items, const QString& text);
    void redo() override;
    void undo() override;

private:
    JobTableModel& model_;
    int row_;
    std::vector<job::JobItem> items_;
};

// `rows` in any order; each item goes back to its own place on undo.
class RemoveItemsCommand final : public QUndoCommand {
public:
    RemoveItemsCommand(JobTableModel& model, std::vector<int> rows, const QString& text);
    void redo() override;
    void undo() override;

private:
    JobTableModel& model_;
    std::vector<int> rows_;  // ascending
    std::vector<job::JobItem> items_;
};

class MoveItemCommand final : public QUndoCommand {
public:
    MoveItemCommand(JobTableModel& model, int from, int to, const QString& text);
    void redo() override;
    void undo() override;

private:
    JobTableModel& model_;
    int from_;
    int to_;
};

class SetItemCommand final : public QUndoCommand {
public:
    SetItemCommand(JobTableModel& model, int row, job::JobItem after, const QString& text);
    void redo() override;
    void undo() override;

private:
    JobTableModel& model_;
    int row_;
    job::JobItem before_;
    job::JobItem after_;
};

class SetHeaderCommand final : public QUndoCommand {
public:
    SetHeaderCommand(JobTableModel& model, job::JobHeader after, const QString& text);
    void redo() override;
    void undo() override;

private:
    JobTableModel& model_;
    job::JobHeader before_;
    job::JobHeader after_;
};

}  // namespace zorvik
