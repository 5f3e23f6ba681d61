// A picture's table copies what the user picked, or everything, as text a
// spreadsheet pastes cell for cell, from the keyboard alone.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTest>

#include "data_table_dialog.h"

namespace zorvik {
namespace {

DataTable SmallTable() { return {QStringLiteral("T"), {"a", "b"}, {{"1", "2"}, {"3", "4"}}}; }

TEST(DataTableDialogTest, CtrlCCopiesTheSelectionOrTheWholeTable) {
    const struct {
        QList<QPair<int, int>> picked;  // row, column
        const char* copied;
    } cases[] = {
        {{}, "a\tb\n1\t2\n3\t4\n"},
        {{{1, 1}}, "4\n"},
        {{{0, 0}, {1, 0}}, "1\n3\n"},
        {{{1, 0}, {1, 1}}, "3\t4\n"},
        {{{0, 0}, {0, 1}, {1, 0}, {1, 1}}, "a\tb\n1\t2\n3\t4\n"},
    };
    for (const auto& c : cases) {
        DataTableDialog dialog;
        dialog.SetTable(SmallTable());
        dialog.show();
        QTableView* view = dialog.View();
        for (const auto& [row, column] : c.picked)
            view->selectionModel()->select(view->model()->index(row, column), QItemSelectionModel::Select);
        view->setFocus();
        QApplication::clipboard()->clear();
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.copied) << c.picked.size();
        EXPECT_EQ(dialog.CopiedText().toStdString(), c.copied);
    }
}

}  // namespace
}  // namespace zorvik
