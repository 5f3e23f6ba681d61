// The job window's files: new, open, save, save as, the recent files, the
// job kept against a crash, the submittal, and closing.

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTableView>

#include "job_header_panel.h"
#include "job_window.h"
#include "picture_file.h"
#include "recent_jobs.h"
#include "submittal.h"
#include "user_files.h"
#include "language.h"

namespace zorvik {
namespace {

std::string Native(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

// `path`, ending in `suffix` when it has none.
QString WithSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + suffix : path;
}

// The job's name as a file name in the dialog's folder: a name is no path,
// so "../../etc/x" cannot steer the save elsewhere.
QString SuggestedFileName(QString name) {
    for (QChar& c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20) c = QLatin1Char('-');
    while (name.startsWith(QLatin1Char('.'))) name.remove(0, 1);
    return name.trimmed() + QStringLiteral(".zjob");
}

}  // namespace

void JobWindow::SetJob(job::Job job, const QString& fileName, const job::DiskStamp& stamp) {
    model_.SetJob(std::move(job));
    undoStack_.clear();
    fileName_ = fileName;
    stamp_ = stamp;
    restoredUnsaved_ = false;
    ++changeCount_;
    RemoveAutosave();
    autosavedCount_ = changeCount_;
    UpdateTitle();
    UpdateActions();
    if (model_.ItemCount() > 0) SelectRow(0);
}

// Save, Discard or Cancel; true when the job may go (saved, or discarded).
bool JobWindow::MaySetJobAside() {
    if (!IsModified()) return true;
    const QString name = fileName_.isEmpty() ? tr("Untitled job") : QFileInfo(fileName_).fileName();
    QMessageBox box(QMessageBox::Warning, tr("Job"), tr("The job \"%1\" has changes that are not saved.").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("UnsavedChangesBox"));
    box.setInformativeText(tr("Save them first?"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return Save();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

bool JobWindow::NewJob() {
    if (!MaySetJobAside()) return false;
    SetJob(job::Job{}, {}, {});
    return true;
}

bool JobWindow::OpenFile(const QString& path) {
    if (!MaySetJobAside()) return false;
    job::OpenedJob opened = job::OpenJobFile(FilePath(path));
    if (!opened.job) {
        notices_.Error(tr("The job file %1 cannot be opened.").arg(QDir::toNativeSeparators(path)).toStdString() +
                       "\r" + opened.error);
        ForgetRecentJob(path);
        return false;
    }
    SetJob(std::move(*opened.job), QFileInfo(path).absoluteFilePath(), opened.stamp);
    RememberRecentJob(fileName_);
    ShowMarksInStatus();
    return true;
}

bool JobWindow::RestoreLeftJob(job::Job job, const QString& origin, const job::DiskStamp& stamp) {
    if (!MaySetJobAside()) return false;
    SetJob(std::move(job), origin, origin.isEmpty() ? job::DiskStamp{} : stamp);
    restoredUnsaved_ = true;
    ++changeCount_;
    UpdateTitle();
    AutosaveNow();
    return true;
}

bool JobWindow::Save() { return fileName_.isEmpty() ? SaveAsAsked() : SaveTo(fileName_, stamp_); }

// Another file than the job's own is replaced only once the user says so.
bool JobWindow::SaveAs(const QString& path) {
    const QString target = QFileInfo(path).absoluteFilePath();
    return SaveTo(target, target == fileName_ ? stamp_ : job::DiskStamp{});
}

bool JobWindow::SaveTo(const QString& path, const job::DiskStamp& expected) {
    job::Job job = model_.Job();
    job::SaveOutcome outcome = job::SaveJobFile(FilePath(path), job, expected);
    if (outcome.status == job::SaveStatus::ChangedOnDisk) {
        if (!notices_.Question(Native(path) + "\r" + outcome.message + "\r" +
                               tr("Replace it with this job?").toStdString()))
            return false;
        outcome = job::SaveJobFile(FilePath(path), job, expected, true);
    }
    if (outcome.status == job::SaveStatus::NotWritable) {
        if (!notices_.Question(Native(path) + "\r" + outcome.message + "\r" +
                               tr("Save it under another name?").toStdString()))
            return false;
        return SaveAsAsked();
    }
    if (outcome.status != job::SaveStatus::Saved) {
        notices_.Error(tr("The job could not be saved in %1.").arg(QDir::toNativeSeparators(path)).toStdString() +
                       "\r" + outcome.message);
        return false;
    }
    model_.TakeSavedFigures(job);
    fileName_ = path;
    stamp_ = outcome.stamp;
    restoredUnsaved_ = false;
    undoStack_.setClean();
    RemoveAutosave();
    autosavedCount_ = changeCount_;
    RememberRecentJob(path);
    UpdateTitle();
    return true;
}

bool JobWindow::SaveAsAsked() {
    const QString suggested =
        fileName_.isEmpty() ? SuggestedFileName(QString::fromStdString(model_.Job().header.name)) : fileName_;
    // The window asks itself before it replaces a file, also one whose
    // suffix it added.
    const QString path = QFileDialog::getSaveFileName(this, tr("Save the job"), suggested, tr("Job files (*.zjob)"),
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    return !path.isEmpty() && SaveAs(WithSuffix(path, QStringLiteral(".zjob")));
}

void JobWindow::OpenAsked() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open a job"), QFileInfo(fileName_).path(),
                                                      tr("Job files (*.zjob);;All files (*)"));
    if (!path.isEmpty()) OpenFile(path);
}

void JobWindow::ShowRecentFiles() {
    recentMenu_->clear();
    const QStringList files = RecentJobs();
    for (const QString& file : files)
        recentMenu_->addAction(QDir::toNativeSeparators(file), this, [this, file] { OpenFile(file); });
    if (files.isEmpty()) recentMenu_->addAction(tr("No job opened yet"))->setEnabled(false);
}

void JobWindow::ShowMarksInStatus() {
    int changed = 0;
    for (int row = 0; row < model_.ItemCount(); ++row) changed += model_.Mark(row) == ItemMark::FiguresChanged;
    if (changed == 0)
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(changed == 1 ? tr("1 item's figures differ from those saved with the file: see "
                                                   "\"Check\".")
                                              : tr("%1 items' figures differ from those saved with the file: see "
                                                   "\"Check\".")
                                                    .arg(changed));
}

// A long job takes a while: the pages are counted off in a progress dialog
// whose Cancel stops before the next page, and the file stays as it was.
// The job and office are copies, so nothing the events change reaches the
// pages being drawn.
bool JobWindow::WriteSubmittal(const QString& path) {
    const job::Job job = model_.Job();
    const TAddressData office = JobOffice(job.header, session_.Offices, session_.Office());
    QProgressDialog progress(tr("Writing the submittal..."), tr("Cancel"), 0, 1, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const auto pageDone = [&progress](int done, int count) {
        progress.setMaximum(count);
        progress.setValue(done);
        return !progress.wasCanceled();
    };
    QString error;
    const bool written = WriteSubmittalPdf(FilePath(path), job, office, texts::DesktopTranslator(), error, pageDone);
    const bool cancelled = progress.wasCanceled();
    progress.reset();
    if (!written && !cancelled)
        notices_.Error(tr("The submittal could not be written.").toStdString() + "\r" + error.toStdString());
    return written;
}

void JobWindow::SubmittalAsked() {
    const QString base = fileName_.isEmpty() ? QString::fromStdString(model_.Job().header.name) : fileName_;
    const QString suggested = QFileInfo(base).path() + QLatin1Char('/') + QFileInfo(base).completeBaseName() +
                              tr(" submittal") + QStringLiteral(".pdf");
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Write the submittal"), suggested, tr("PDF files (*.pdf)"));
    if (!path.isEmpty()) WriteSubmittal(WithSuffix(path, QStringLiteral(".pdf")));
}

// Only what changed since the last time is written; a job with nothing
// unsaved needs no keeping.
void JobWindow::AutosaveNow() {
    // A header field being typed in is part of the job to keep.
    header_->CommitTyping();
    if (!IsModified()) {
        RemoveAutosave();
        autosavedCount_ = changeCount_;
        return;
    }
    if (autosavedCount_ == changeCount_) return;
    Text error;
    if (!autosave_) autosave_ = std::make_unique<JobAutosave>();
    if (autosave_->Write(model_.Job(), fileName_, stamp_, error)) {
        autosavedCount_ = changeCount_;
        return;
    }
    // Once: a full disk would otherwise speak every minute.
    if (autosaveFailureShown_) return;
    autosaveFailureShown_ = true;
    notices_.Warning(tr("The job cannot be kept against a crash in %1.")
                         .arg(QDir::toNativeSeparators(UserStateFolder()))
                         .toStdString() +
                     "\r" + error);
}

void JobWindow::RemoveAutosave() {
    if (autosave_) autosave_->Remove();
}

// A clean close leaves nothing to restore; a job whose changes were
// discarded is not shown again.
void JobWindow::closeEvent(QCloseEvent* event) {
    if (!MaySetJobAside()) {
        event->ignore();
        return;
    }
    if (IsModified()) SetJob(job::Job{}, {}, {});
    RemoveAutosave();
    event->accept();
}

}  // namespace zorvik
