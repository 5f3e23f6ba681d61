#include "tab_list_box.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace zorvik {
namespace {

// Draws a row piece by piece, each piece at the tab stop its tab leads to.
class TabStopDelegate final : public QStyledItemDelegate {
public:
    explicit TabStopDelegate(TTabListBox* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        const QString row = plain.text;
        plain.text.clear();
        option.widget->style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter, option.widget);

        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->setFont(option.font);
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QStringList pieces = row.split(QLatin1Char('\t'));
        const std::vector<int> starts = list_->PieceStarts(row);
        const QFontMetrics metrics(option.font);
        const int baseline = option.rect.top() + (option.rect.height() + metrics.ascent() - metrics.descent()) / 2;
        for (int i = 0; i < pieces.size(); ++i) painter->drawText(option.rect.left() + starts[i], baseline, pieces[i]);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QString row = index.data().toString();
        const QStringList pieces = row.split(QLatin1Char('\t'));
        const std::vector<int> starts = list_->PieceStarts(row);
        int width = starts.back() + QFontMetrics(option.font).horizontalAdvance(pieces.back()) + 4;
        if (list_->horizontalExtent() > 0) width = std::min(width, list_->horizontalExtent());
        const int height =
            list_->itemHeight() > 0 ? list_->itemHeight() : QStyledItemDelegate::sizeHint(option, index).height();
        return {width, height};
    }

private:
    TTabListBox* list_;
};

}  // namespace

TTabListBox::TTabListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new TabStopDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

void TTabListBox::SetTabStops(const std::vector<int>& positions, double factor) {
    stopsDu_.clear();
    for (int p : positions) stopsDu_.push_back(static_cast<int>(p * factor / DialogBaseUnit));
    viewport()->update();
}

void TTabListBox::setItemHeight(int height) {
    itemHeight_ = height > 0 ? height : 0;
    scheduleDelayedItemsLayout();
}

void TTabListBox::setHorizontalExtent(int pixels) {
    horizontalExtent_ = pixels > 0 ? pixels : 0;
    scheduleDelayedItemsLayout();
}

std::vector<int> TTabListBox::TabStopPixels() const {
    std::vector<int> pixels;
    for (int du : stopsDu_) pixels.push_back(du * AverageCharWidth / 4);
    return pixels;
}

std::vector<int> TTabListBox::PieceStarts(const QString& row) const {
    const QFontMetrics metrics(font());
    const std::vector<int> stops = TabStopPixels();
    // Past the last stop, tabs advance to the next multiple of eight
    // average characters, as the list control's default stops do.
    const int defaultStep = 8 * AverageCharWidth;
    const QStringList pieces = row.split(QLatin1Char('\t'));
    std::vector<int> starts{0};
    int x = metrics.horizontalAdvance(pieces[0]);
    for (int i = 1; i < pieces.size(); ++i) {
        int next = -1;
        for (int s : stops)
            if (s > x) {
                next = s;
                break;
            }
        if (next < 0) next = (x / defaultStep + 1) * defaultStep;
        starts.push_back(next);
        x = next + metrics.horizontalAdvance(pieces[i]);
    }
    return starts;
}

QString TTabListBox::RowText(int row) const {
    const QListWidgetItem* it = item(row);
    return it != nullptr ? it->text() : QString();
}

QStringList TTabListBox::Rows() const {
    QStringList rows;
    for (int i = 0; i < count(); ++i) rows << item(i)->text();
    return rows;
}

int TTabListBox::SelectedRow() const {
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? -1 : row(chosen.first());
}

void TTabListBox::SelectRow(int row) {
    if (row < 0 || row >= count()) {
        clearSelection();
        return;
    }
    setCurrentRow(row);
    item(row)->setSelected(true);
}

}  // namespace zorvik
