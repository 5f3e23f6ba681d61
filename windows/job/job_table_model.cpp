#include "job_table_model.h"

#include "language.h"

#include <QBrush>
#include <QColor>
#include <QUndoStack>
#include <algorithm>

#include "display_numbers.h"
#include "job_commands.h"
#include "schedule.h"

namespace zorvik {
namespace {

// The schedule's column each table column shows (the mark has none).
// clang-format off
constexpr int kScheduleColumn[JobTableModel::ColumnCount] = {
    // Mark Tag Qty Application Duty Model Delivers DriveAir Cost
    -1,     0,  1,  2,          3,   4,    5,       6,       8,
};
// clang-format on
constexpr int kStatusColumn = 9;

const Text& ReasonOf(const job::ItemResult& r) {
    static const Text none;
    return r.flow ? r.flow->reason : r.fill ? r.fill->reason : none;
}

// The saved figures that no longer agree, a line each.
QString ChangesText(const job::JobItem& item, const job::ItemResult& result) {
    QStringList lines;
    for (const job::FigureChange& c : job::ChangedFigures(*item.savedFigures, job::FiguresOf(result)))
        lines << QString::fromStdString(c.name + ": " + c.saved + " -> " + c.now);
    return lines.join(QLatin1Char('\n'));
}

QColor MarkColour(ItemMark mark) {
    switch (mark) {
        case ItemMark::DutyRefused:
        case ItemMark::FailsDuty:
            return QColor(0xf4, 0xb6, 0xb0);
        case ItemMark::FiguresChanged:
            return QColor(0xf7, 0xd3, 0x8c);
        case ItemMark::NoModel:
            return QColor(0xe4, 0xe4, 0xe4);
        case ItemMark::None:
            break;
    }
    return {};
}

}  // namespace

JobTableModel::JobTableModel(QObject* parent) : QAbstractTableModel(parent) {}

JobTableModel::Row JobTableModel::RowOf(const job::JobItem& item) const {
    Row row;
    row.result = job::ComputeItem(item, job_.header.cost);
    const std::vector<Text> cells = job::ScheduleRow(item, row.result);
    // The tag is the user's own text; every other cell holds figures, shown
    // with the system's separator.
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const std::string cell = job::CellText(cells[c], texts::DesktopTranslator());
        row.cells.push_back(c == 0 ? QString::fromStdString(cell) : SystemNumberText(cell));
    }
    row.status = row.cells[kStatusColumn];
    if (!row.result.reading.Readable())
        row.mark = ItemMark::DutyRefused;
    else if (item.savedFigures && !job::ChangedFigures(*item.savedFigures, job::FiguresOf(row.result)).empty()) {
        row.mark = ItemMark::FiguresChanged;
        row.status = tr("The figures differ from those saved:") + QLatin1Char('\n') + ChangesText(item, row.result);
    } else if (!item.model)
        row.mark = ItemMark::NoModel;
    else if (!ReasonOf(row.result).Empty())
        row.mark = ItemMark::FailsDuty;
    return row;
}

QString JobTableModel::MarkText(ItemMark mark) const {
    switch (mark) {
        case ItemMark::DutyRefused:
            return tr("Duty not valid");
        case ItemMark::FiguresChanged:
            return tr("Figures changed");
        case ItemMark::NoModel:
            return tr("No model");
        case ItemMark::FailsDuty:
            return tr("Fails the duty");
        case ItemMark::None:
            break;
    }
    return {};
}

void JobTableModel::SetJob(job::Job job) {
    beginResetModel();
    job_ = std::move(job);
    rows_.clear();
    rows_.reserve(job_.items.size());
    for (const job::JobItem& item : job_.items) rows_.push_back(RowOf(item));
    endResetModel();
    emit HeaderChanged();
}

// Every row's texts again, in the program's language now.
void JobTableModel::Retranslate() {
    for (std::size_t i = 0; i < rows_.size(); ++i) rows_[i] = RowOf(job_.items[i]);
    if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

// The running cost settings move every item's cost.
void JobTableModel::SetHeader(const job::JobHeader& header) {
    const bool costChanged = header.cost != job_.header.cost;
    job_.header = header;
    if (costChanged && !rows_.empty()) {
        for (std::size_t i = 0; i < rows_.size(); ++i) rows_[i] = RowOf(job_.items[i]);
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    }
    emit HeaderChanged();
}

void JobTableModel::InsertItems(int row, const std::vector<job::JobItem>& items) {
    if (items.empty()) return;
    beginInsertRows({}, row, row + static_cast<int>(items.size()) - 1);
    job_.items.insert(job_.items.begin() + row, items.begin(), items.end());
    std::vector<Row> made;
    for (const job::JobItem& item : items) made.push_back(RowOf(item));
    rows_.insert(rows_.begin() + row, std::make_move_iterator(made.begin()), std::make_move_iterator(made.end()));
    endInsertRows();
}

void JobTableModel::RemoveItem(int row) {
    beginRemoveRows({}, row, row);
    job_.items.erase(job_.items.begin() + row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void JobTableModel::MoveItem(int from, int to) {
    if (from == to) return;
    // Qt names the row the moved one goes before, counted before the move.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    const auto rotate = [from, to](auto& list) {
        if (from < to)
            std::rotate(list.begin() + from, list.begin() + from + 1, list.begin() + to + 1);
        else
            std::rotate(list.begin() + to, list.begin() + from, list.begin() + from + 1);
    };
    rotate(job_.items);
    rotate(rows_);
    endMoveRows();
}

// An item whose duty and model stay keeps the figures saved with the file:
// an undone tag must not bring back figures from before the last save.
void JobTableModel::SetItem(int row, const job::JobItem& item) {
    job::JobItem& held = job_.items[static_cast<std::size_t>(row)];
    const bool sameDuty = held.application == item.application && held.duty == item.duty && held.model == item.model;
    std::optional<job::ItemFigures> saved = sameDuty ? held.savedFigures : item.savedFigures;
    held = item;
    held.savedFigures = std::move(saved);
    rows_[static_cast<std::size_t>(row)] = RowOf(held);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void JobTableModel::TakeSavedFigures(const job::Job& saved) {
    job_.savedByVersion = saved.savedByVersion;
    for (std::size_t i = 0; i < job_.items.size() && i < saved.items.size(); ++i) {
        job_.items[i].savedFigures = saved.items[i].savedFigures;
        rows_[i] = RowOf(job_.items[i]);
    }
    if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int JobTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ItemCount(); }

int JobTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString JobTableModel::CellText(int row, int column) const {
    const Row& r = rows_[static_cast<std::size_t>(row)];
    if (column == MarkColumn) return MarkText(r.mark);
    if (column == ApplicationColumn) return Item(row).application == job::Application::Flow ? tr("Flow") : tr("Fill");
    return r.cells[static_cast<std::size_t>(kScheduleColumn[column])];
}

QVariant JobTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= ItemCount()) return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return CellText(row, column);
        case Qt::EditRole:
            if (column == QuantityColumn) return Item(row).quantity;
            if (column == TagColumn) return QString::fromStdString(Item(row).tag);
            return CellText(row, column);
        case Qt::ToolTipRole:
            if (column == MarkColumn) return rows_[static_cast<std::size_t>(row)].status;
            if (column == DutyColumn || column == TagColumn) return CellText(row, column);
            return {};
        case Qt::BackgroundRole:
            if (column == MarkColumn && Mark(row) != ItemMark::None) return QBrush(MarkColour(Mark(row)));
            return {};
        case Qt::TextAlignmentRole:
            if (column == QuantityColumn || column >= DeliversColumn)
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant JobTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    switch (section) {
        case MarkColumn:
            return tr("Check");
        case TagColumn:
            return tr("Tag");
        case QuantityColumn:
            return tr("Qty");
        case ApplicationColumn:
            return tr("Application");
        case DutyColumn:
            return tr("Duty");
        case ModelColumn:
            return tr("Model");
        case DeliversColumn:
            return tr("Delivers");
        case DriveAirColumn:
            return tr("Drive air");
        case CostColumn:
            return tr("Running cost");
        default:
            return {};
    }
}

Qt::ItemFlags JobTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == TagColumn || index.column() == QuantityColumn) flags |= Qt::ItemIsEditable;
    return flags;
}

// A typed tag or quantity becomes a command, so it is undone like any change.
bool JobTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid()) return false;
    job::JobItem item = Item(index.row());
    if (index.column() == TagColumn) {
        const QString tag = value.toString().trimmed();
        if (tag.isEmpty()) return false;
        item.tag = tag.toStdString();
    } else if (index.column() == QuantityColumn) {
        bool whole = false;
        const int quantity = value.toInt(&whole);
        if (!whole || quantity < job::MinQuantity || quantity > job::MaxQuantity) return false;
        item.quantity = quantity;
    } else {
        return false;
    }
    if (item == Item(index.row())) return true;
    const QString text = index.column() == TagColumn ? tr("Change tag") : tr("Change quantity");
    if (undoStack_ != nullptr)
        undoStack_->push(new SetItemCommand(*this, index.row(), std::move(item), text));
    else
        SetItem(index.row(), item);
    return true;
}

}  // namespace zorvik
