#pragma once
// The job window: one customer's job - its header and its line items - to
// keep, reopen, check and send. Non-modal and resizable, beside the
// program's other windows. Every change is a command on its undo stack
// (Ctrl+Z, Ctrl+Shift+Z); the title shows the file and a mark while there
// are unsaved changes, which closing, New and Open ask about. "Edit duty"
// opens the selection window on an item's duty and takes back what its
// "Keep in job" button hands over; while this window is open the selection
// window's "Add to job" adds a new item. The job with unsaved changes is
// kept against a crash every minute (job_autosave.h); "Submittal..." writes
// the job's PDF (submittal.h).

#include <QKeySequence>
#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <vector>

#include "job_autosave.h"
#include "job_file.h"
#include "job_table_model.h"
#include "notices.h"
#include "session.h"

class QAction;
class QBoxLayout;
class QMenu;
class QPushButton;
class QTableView;

namespace zorvik {

class JobHeaderPanel;
class TAmplifierSelectionForm;
struct SelectedDuty;

class JobWindow : public QMainWindow {
    Q_OBJECT
public:
    JobWindow(Session& session, Notices& notices, QWidget* parent = nullptr);
    ~JobWindow() override;

    // The selection window "Edit duty" opens and whose "Add to job" adds here.
    void SetSelectionForm(TAmplifierSelectionForm* form) { selectionForm_ = form; }

    // Files. New and Open first ask about unsaved changes (Save, Discard,
    // Cancel) and do nothing when the answer is Cancel or the save fails.
    // Open tells the user why a file cannot be taken and changes nothing.
    bool NewJob();
    bool OpenFile(const QString& path);
    bool Save();
    bool SaveAs(const QString& path);
    // A job a run left behind, with unsaved changes, for the file it
    // belongs to (empty for a new job) as that file was when it was read.
    // Asks about unsaved changes first, as Open does.
    bool RestoreLeftJob(job::Job job, const QString& origin, const job::DiskStamp& stamp);
    bool WriteSubmittal(const QString& path);

    const QString& FileName() const { return fileName_; }
    bool IsModified() const;

    // Items; each change is one command. AddItem puts a new item after the
    // chosen one (or last) and returns its row.
    int AddItem();
    void DuplicateItems();
    void RemoveItems();
    void MoveCurrentItem(int step);
    void EditDuty();
    void AddSelectedDuty(const SelectedDuty& selected);

    JobTableModel& Model() { return model_; }
    const JobTableModel& Model() const { return model_; }
    QUndoStack& UndoStack() { return undoStack_; }
    QTableView& Table() { return *table_; }
    // The file the job is kept in against a crash; empty until one is written.
    QString AutosaveFile() const { return autosave_ ? autosave_->JobFile() : QString(); }
    // Every minute unless told otherwise (tests, the program's test option).
    void SetAutosaveInterval(int ms) { autosaveTimer_.setInterval(ms); }
    // Writes the job kept against a crash now, or removes it when there is
    // nothing unsaved.
    void AutosaveNow();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct ItemCommand {
        QString menuText;
        QString buttonText;
        QKeySequence keys;
        std::function<void()> run;
        bool needsItem;  // acts on the chosen items
    };
    std::vector<ItemCommand> ItemCommands();
    void BuildMenus();
    void BuildButtons(QBoxLayout& layout);
    static QString SubmittalCaption();
    void ConfigureTable();
    void UpdateTitle();
    void UpdateActions();
    void ShowRecentFiles();
    void SetJob(job::Job job, const QString& fileName, const job::DiskStamp& stamp);
    bool MaySetJobAside();
    bool SaveTo(const QString& path, const job::DiskStamp& expected);
    bool SaveAsAsked();
    void OpenAsked();
    void SubmittalAsked();
    void ShowMarksInStatus();
    std::vector<int> SelectedRows() const;
    int CurrentRow() const;
    void SelectRow(int row);
    void RemoveAutosave();
    std::string FreeTag(const std::string& wanted, const std::vector<job::JobItem>& adding = {}) const;
    void OfferAddToJob();

    Session& session_;
    Notices& notices_;
    JobTableModel model_;
    QUndoStack undoStack_;
    JobHeaderPanel* header_ = nullptr;
    QTableView* table_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    std::vector<QAction*> itemActions_;  // need a chosen item
    std::vector<QPushButton*> itemButtons_;
    std::vector<QPushButton*> commandButtons_;  // in ItemCommands() order
    QPushButton* submittalButton_ = nullptr;
    QString fileName_;
    job::DiskStamp stamp_;
    // A restored job has unsaved changes that no command made.
    bool restoredUnsaved_ = false;
    // Made when a job is first kept, so a run that never edits a job
    // leaves nothing in the state folder.
    std::unique_ptr<JobAutosave> autosave_;
    QTimer autosaveTimer_;
    bool autosaveFailureShown_ = false;
    // Changes made, and how many the job kept against a crash holds.
    int changeCount_ = 0;
    int autosavedCount_ = 0;
    TAmplifierSelectionForm* selectionForm_ = nullptr;
};

}  // namespace zorvik
