// A job window's files as a user meets them: the title and its mark, the
// recent files, bad files opened (the message, nothing changed), a file
// changed on disk not overwritten without asking, closing with unsaved
// changes, and the job kept against a crash, removed by a clean close and
// offered back at the next start.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>

#include "job_autosave.h"
#include "job_recovery.h"
#include "job_window_fixture.h"
#include "recent_jobs.h"
#include "user_files.h"

namespace zorvik::testing {
namespace {

QByteArray Read(const QString& path) { return ReadFile(path); }

TEST_F(JobWindowTest, TheTitleNamesTheFileAndMarksUnsavedChanges) {
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("Untitled job[*]")));
    EXPECT_FALSE(window->isWindowModified());
    window->AddItem();
    EXPECT_TRUE(window->isWindowModified());

    const QString path = Path("station.zjob");
    ASSERT_TRUE(window->SaveAs(path));
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("station.zjob[*]")));
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(RecentJobs().front(), path);
    ASSERT_TRUE(job::OpenJobFile(Fs(path)).job);
    EXPECT_EQ(job::OpenJobFile(Fs(path)).job->items.size(), 1u);
    window->UndoStack().undo();
    EXPECT_TRUE(window->isWindowModified()) << "undone past the save";
}

TEST_F(JobWindowTest, RecentFilesAreTheLastFive) {
    for (const char* name : {"1.zjob", "2.zjob", "3.zjob", "4.zjob", "5.zjob", "6.zjob", "2.zjob"})
        ASSERT_TRUE(window->OpenFile(Saved(name, JobOf({name}))));
    QStringList names;
    for (const QString& file : RecentJobs()) names << QFileInfo(file).fileName();
    EXPECT_EQ(names, QStringList({"2.zjob", "6.zjob", "5.zjob", "4.zjob", "3.zjob"}));
}

// A bad file says why, opens nothing and leaves the open job and the file
// as they were.
TEST_F(JobWindowTest, BadFilesOpenNothing) {
    const QString good = Saved("good.zjob", JobOf({"A"}));
    ASSERT_TRUE(window->OpenFile(good));
    // clang-format off
    const struct { const char* name; QByteArray bytes; std::string message; } cases[] = {
        {"empty.zjob",   "",                                                   "The file is empty."},
        {"format.zjob",  R"({"format": "other", "version": 1, "items": []})", "The file is not a Zorvik job file: its \"format\" is \"other\", not \"zorvik-job\"."},
        {"newer.zjob",   R"({"format": "zorvik-job", "version": 2, "program_version": "3.0", "items": []})",
                         "The file was written by a newer version of the program (\"3.0\"): it is job file version 2, and this version reads version 1."},
        {"model.zjob",   R"({"format": "zorvik-job", "version": 1, "job": {}, "items": [{"tag": "B", "application": "flow", "model": 16, "duty": {}}]})",
                         "Item 1 (\"B\"): model 16 is not one of the models 1 to 15."},
        {"latin.zjob",   "{\"format\": \"zorvik-job\",\n\"x\": \"\xe9\"}",  "The file is not UTF-8 text: the byte at line 2, column 7 is no UTF-8 character."},
    };
    // clang-format on
    for (const auto& c : cases) {
        const QString path = Path(c.name);
        WriteFile(path, c.bytes);
        notices.Expect(NoticeKind::Error, "The job file " + QDir::toNativeSeparators(path).toStdString() +
                                              " cannot be opened.\r" + c.message);
        EXPECT_FALSE(window->OpenFile(path)) << c.name;
        EXPECT_EQ(Read(path), c.bytes) << c.name;
        EXPECT_EQ(window->FileName(), good) << c.name;
        EXPECT_EQ(Tags(), QStringList({"A"})) << c.name;
        EXPECT_FALSE(RecentJobs().contains(path)) << c.name;
    }
}

TEST_F(JobWindowTest, AFileChangedOnDiskIsReplacedOnlyWhenTheUserSaysSo) {
    const QString path = Saved("pumps.zjob", JobOf({"A"}));
    ASSERT_TRUE(window->OpenFile(path));
    const QByteArray theirs = Read(path) + " ";
    WriteFile(path, theirs);
    window->AddItem();
    const std::string question = QDir::toNativeSeparators(path).toStdString() +
                                 "\rThe file has changed on disk since it was opened.\rReplace it with this job?";
    notices.Expect(NoticeKind::Question, question, false);
    EXPECT_FALSE(window->Save());
    EXPECT_EQ(Read(path), theirs);
    EXPECT_TRUE(window->isWindowModified());
    notices.Expect(NoticeKind::Question, question, true);
    EXPECT_TRUE(window->Save());
    EXPECT_EQ(job::OpenJobFile(Fs(path)).job->items.size(), 2u);
}

// A file nobody may write is left as it is; the window offers another name.
TEST_F(JobWindowTest, AReadOnlyFileIsLeftAndAnotherNameOffered) {
    const QString path = Saved("pumps.zjob", JobOf({"A"}));
    ASSERT_TRUE(window->OpenFile(path));
    const QByteArray before = Read(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    window->AddItem();
    notices.Expect(NoticeKind::Question,
                   QDir::toNativeSeparators(path).toStdString() +
                       "\rThe file is read-only for you; save the job under another name.\rSave it under another name?",
                   false);
    EXPECT_FALSE(window->Save());
    EXPECT_EQ(Read(path), before);
    EXPECT_TRUE(window->isWindowModified());
}

TEST_F(JobWindowTest, ClosingAsksAboutUnsavedChanges) {
    // clang-format off
    const struct { QMessageBox::StandardButton answer; bool closed; QStringList tagsAfter; int savedItems; } cases[] = {
        {QMessageBox::Cancel,  false, {"A", "Item 2"}, 1},
        {QMessageBox::Discard, true,  {},              1},
        {QMessageBox::Save,    true,  {"A", "Item 2"}, 2},
    };
    // clang-format on
    for (const auto& c : cases) {
        const QString path = Saved("pumps.zjob", JobOf({"A"}));
        window->show();
        ASSERT_TRUE(window->OpenFile(path));
        window->AddItem();
        {
            const ModalDialog answer = Answer(c.answer);
            window->close();
        }
        EXPECT_EQ(!window->isVisible(), c.closed) << c.answer;
        EXPECT_EQ(Tags(), c.tagsAfter) << c.answer;
        EXPECT_EQ(job::OpenJobFile(Fs(path)).job->items.size(), static_cast<std::size_t>(c.savedItems));
        window->UndoStack().setClean();
    }
    window->show();
    const ModalDialog none = ModalDialog::Forbidden();
    EXPECT_TRUE(window->close()) << "nothing unsaved, nothing asked";
}

TEST_F(JobWindowTest, TheJobIsKeptUntilSavedOrClosedCleanly) {
    ASSERT_TRUE(window->OpenFile(Saved("pumps.zjob", JobOf({"A"}))));
    window->AutosaveNow();
    EXPECT_TRUE(window->AutosaveFile().isEmpty()) << "nothing unsaved, nothing kept";
    window->AddItem();
    window->AutosaveNow();
    const QString kept = window->AutosaveFile();
    ASSERT_TRUE(kept.startsWith(UserStateFolder())) << kept.toStdString();
    ASSERT_TRUE(QFile::exists(kept));
    EXPECT_EQ(job::OpenJobFile(Fs(kept)).job->items.size(), 2u);
    EXPECT_TRUE(LeftJobs(kept).empty()) << "a running program's job is its own";

    ASSERT_TRUE(window->Save());
    EXPECT_FALSE(QFile::exists(kept));
    window->AddItem();
    window->AutosaveNow();
    EXPECT_TRUE(QFile::exists(kept));
    {
        const ModalDialog discard = Answer(QMessageBox::Discard);
        window->close();
    }
    EXPECT_FALSE(QFile::exists(kept));
}

// What is being typed in a header field is kept too, before the field is
// left; the kept job's folder is the user's alone.
TEST_F(JobWindowTest, TheKeptJobHoldsTheFieldBeingTyped) {
    ASSERT_TRUE(window->OpenFile(Saved("pumps.zjob", JobOf({"A"}))));
    QLineEdit* name = window->findChild<QLineEdit*>();
    ASSERT_NE(name, nullptr);
    name->setFocus();
    name->setText(QStringLiteral("Pump station, phase 2"));
    window->AutosaveNow();
    const QString kept = window->AutosaveFile();
    ASSERT_TRUE(QFile::exists(kept));
    EXPECT_EQ(job::OpenJobFile(Fs(kept)).job->header.name, "Pump station, phase 2");
    EXPECT_EQ(QFileInfo(UserStateFolder()).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
    window->UndoStack().setClean();
}

// A job left by a run that ended without closing, as its files lie in the
// state folder with no program holding them.
TEST_F(JobWindowTest, AJobLeftBehindIsOfferedBack) {
    const QString origin = Saved("pumps.zjob", JobOf({"A"}));
    ASSERT_TRUE(window->OpenFile(origin));
    window->AddItem();
    window->AutosaveNow();
    const QString kept = window->AutosaveFile();
    const QByteArray keptJob = Read(kept);
    QString originFile = kept;
    originFile.replace(QStringLiteral(".zjob"), QStringLiteral(".origin"));
    const QByteArray keptOrigin = Read(originFile);
    window->UndoStack().setClean();
    window.reset();  // the program is gone, its slot free

    // clang-format off
    const struct { bool answer; QStringList tags; bool copyKept; } cases[] = {
        {false, {}, true},
        {true, {"A", "Item 2"}, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        WriteFile(kept, keptJob);
        WriteFile(originFile, keptOrigin);
        QFile::remove(kept + QLatin1Char('~'));
        window = std::make_unique<JobWindow>(session, TestNotices());
        const QString when = QLocale::system().toString(QFileInfo(kept).lastModified(), QLocale::ShortFormat);
        notices.Expect(NoticeKind::Question,
                       "The program ended without closing while a job had unsaved changes:\r\"Pump station\" (" +
                           QDir::toNativeSeparators(origin).toStdString() + "), 2 items, as it was at " +
                           when.toStdString() + ".\rRestore it?",
                       c.answer);
        EXPECT_EQ(OfferLeftJobs(*window, TestNotices()), c.answer);
        EXPECT_EQ(Tags(), c.tags);
        EXPECT_EQ(window->isWindowModified(), c.answer);
        EXPECT_EQ(window->FileName(), c.answer ? origin : QString());
        EXPECT_EQ(QFile::exists(kept + QLatin1Char('~')), c.copyKept);
        EXPECT_FALSE(QFile::exists(kept)) << "dealt with";
        EXPECT_TRUE(LeftJobs(window->AutosaveFile()).empty());
        window->UndoStack().setClean();
        window.reset();
    }
    window = std::make_unique<JobWindow>(session, TestNotices());
}

}  // namespace
}  // namespace zorvik::testing
