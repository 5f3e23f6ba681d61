#pragma once
// A picture's figures as a table, for whoever cannot read them off the
// picture: a screen reader reads the cells one by one, a keyboard user moves
// through them, and Ctrl+C (or the Copy button) copies the selected cells,
// or all of them when none is selected, as tab-separated text that a
// spreadsheet pastes cell for cell. Not modal: it stays open beside the
// picture and follows it when the picture changes.

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QStandardItemModel;
class QTableView;

namespace zorvik {

struct DataTable {
    QString title;        // what the picture shows, the dialog's caption
    QStringList columns;  // headings, each with its unit
    QList<QStringList> rows;
};

class DataTableDialog : public QDialog {
    Q_OBJECT
public:
    explicit DataTableDialog(QWidget* parent = nullptr);

    void SetTable(const DataTable& table);
    // What Ctrl+C puts on the clipboard.
    QString CopiedText() const;
    QTableView* View() const { return view_; }

private:
    void Copy() const;

    QStandardItemModel* model_;
    QTableView* view_;
};

// Shows `table` in the dialog kept in `dialog`, made on first use as a
// child of `parent`, and brings it to the front.
void ShowDataTable(DataTableDialog*& dialog, QWidget* parent, const DataTable& table);

}  // namespace zorvik
