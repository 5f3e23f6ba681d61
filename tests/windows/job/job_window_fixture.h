#pragma once
// A job window offscreen on a session of its own, in a home of its own (its
// recent files, its kept job), with every message it shows expected by the
// test; and jobs to put in it.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>

#include "job_file.h"
#include "job_window.h"
#include "session.h"
#include "support/modal_dialog.h"
#include "support/notice_recorder.h"
#include "support/temporary_home.h"

namespace zorvik::testing {

// Items tagged `tags`, each a flow duty of model 6 with its own outlet.
inline job::Job JobOf(std::initializer_list<const char*> tags) {
    job::Job j;
    j.header.name = "Pump station";
    int outlet = 200;
    for (const char* tag : tags) {
        job::JobItem item;
        item.tag = tag;
        item.model = 6;
        item.duty.outlet = std::to_string(outlet += 10);
        j.items.push_back(item);
    }
    return j;
}

inline std::filesystem::path Fs(const QString& path) { return std::filesystem::path(path.toStdString()); }

class JobWindowTest : public ::testing::Test {
public:
    void SetUp() override {
        window = std::make_unique<JobWindow>(session, TestNotices());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        // Nothing unsaved is asked about when the test ends.
        window->UndoStack().setClean();
        window.reset();
    }

    QString Path(const char* name) const { return home.Path(QString::fromLatin1(name)); }

    // Written as the program writes it, so it opens clean; over any file
    // of that name.
    QString Saved(const char* name, job::Job j) {
        const QString path = Path(name);
        EXPECT_EQ(job::SaveJobFile(Fs(path), j, {}, true).status, job::SaveStatus::Saved);
        return path;
    }

    QStringList Tags() const {
        QStringList tags;
        for (const job::JobItem& item : window->Model().Job().items) tags << QString::fromStdString(item.tag);
        return tags;
    }
    void Select(std::initializer_list<int> rows) {
        window->Table().clearSelection();
        for (int row : rows)
            window->Table().selectionModel()->select(window->Model().index(row, 0),
                                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
        window->Table().selectionModel()->setCurrentIndex(window->Model().index(*rows.begin(), 1),
                                                          QItemSelectionModel::NoUpdate);
    }
    void Type(int row, int column, const QVariant& value) {
        EXPECT_TRUE(window->Model().setData(window->Model().index(row, column), value, Qt::EditRole));
    }

    // Clicks `button` of the Save / Discard / Cancel question when it comes.
    static ModalDialog Answer(QMessageBox::StandardButton button) {
        return ModalDialog([button](QWidget* box) { static_cast<QMessageBox*>(box)->button(button)->click(); });
    }

    TemporaryHome home;
    NoticeRecorder notices;
    Session session;
    std::unique_ptr<JobWindow> window;
};

}  // namespace zorvik::testing
