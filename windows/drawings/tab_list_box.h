#pragma once
// The tabbed list behind every table of the program: a single-column list
// whose rows are texts with tab characters, each tab advancing to the next
// tab stop. Stops are given in pixels of the list's layout and held, as the
// original list control held them, in dialog units; they are turned back
// into pixels when rows are drawn.

#include <QListWidget>
#include <QStringList>
#include <vector>

namespace zorvik {

class TTabListBox : public QListWidget {
    Q_OBJECT
    Q_PROPERTY(int itemHeight READ itemHeight WRITE setItemHeight)
    Q_PROPERTY(int horizontalExtent READ horizontalExtent WRITE setHorizontalExtent)
public:
    // The horizontal dialog base unit (pixels per average character of the
    // dialog font) that pixel positions are converted with.
    static constexpr int DialogBaseUnit = 8;
    // Pixels per four dialog units when rows are drawn: the average
    // character width at which the program's layouts put each stop under its
    // column heading (a stop given at p pixels lands within a pixel of p).
    static constexpr int AverageCharWidth = 9;

    explicit TTabListBox(QWidget* parent = nullptr);

    // Every position p becomes trunc(p x factor / DialogBaseUnit) dialog
    // units; the new set replaces the old one. The caller's positions are
    // not changed.
    void SetTabStops(const std::vector<int>& positions, double factor);
    const std::vector<int>& TabStopDialogUnits() const { return stopsDu_; }
    // The stops in pixels from the left edge of a row.
    std::vector<int> TabStopPixels() const;

    // The x position, in pixels from the row's left edge, at which each
    // tab-separated piece of `row` starts in the current font.
    std::vector<int> PieceStarts(const QString& row) const;

    // A fixed row height in pixels, as a window's layout states it; 0 (the
    // default) leaves it to the font and style.
    void setItemHeight(int height);
    int itemHeight() const { return itemHeight_; }

    // How far, in pixels, the horizontal scroll bar lets the rows be
    // scrolled; 0 (the default) is as wide as the widest row. A list whose
    // rows carry data past their last visible column (the selection rows end
    // with their model number) stops it at the visible columns, so that no
    // scroll bar appears for cells nobody is meant to read.
    void setHorizontalExtent(int pixels);
    int horizontalExtent() const { return horizontalExtent_; }

    void AddRow(const QString& row) { addItem(row); }
    QString RowText(int row) const;
    QStringList Rows() const;
    int SelectedRow() const;  // -1 when no row is selected
    void SelectRow(int row);

private:
    std::vector<int> stopsDu_;
    int itemHeight_ = 0;
    int horizontalExtent_ = 0;
};

}  // namespace zorvik
