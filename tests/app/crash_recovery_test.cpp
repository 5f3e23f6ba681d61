// The program itself, killed with SIGKILL while its job has unsaved
// changes, and started again: the next start offers the job back, and the
// items of the killed run are there, with what is done after. Each run adds
// an item after the first, as Add does with the first item chosen.

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTest>
#include <csignal>

#include "job_file.h"
#include "support/temporary_home.h"

namespace zorvik::testing {
namespace {

constexpr int kPatienceMs = 30000;

std::vector<std::string> Tags(const job::Job& j) {
    std::vector<std::string> tags;
    for (const job::JobItem& item : j.items) tags.push_back(item.tag);
    return tags;
}

// Waits until a job kept in `folder` has the tags `wanted`.
bool KeptJobHas(const QString& folder, const std::vector<std::string>& wanted) {
    return QTest::qWaitFor(
        [&] {
            for (const QString& name : QDir(folder).entryList({QStringLiteral("autosave-*.zjob")})) {
                const job::OpenedJob kept = job::OpenJobFile(QDir(folder).filePath(name).toStdString());
                if (kept.job && Tags(*kept.job) == wanted) return true;
            }
            return false;
        },
        kPatienceMs);
}

class Program {
public:
    explicit Program(const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process_.setProcessEnvironment(environment);
        process_.start(QStringLiteral(ZORVIK_AMPLIFIERS_PATH),
                       QStringList{QStringLiteral("--autosave-seconds"), QStringLiteral("1")} + arguments);
        EXPECT_TRUE(process_.waitForStarted());
    }
    ~Program() { Kill(); }
    void Kill() {
        if (process_.state() == QProcess::NotRunning) return;
        ::kill(static_cast<pid_t>(process_.processId()), SIGKILL);
        process_.waitForFinished();
    }
    QString Messages() { return QString::fromUtf8(process_.readAllStandardError()); }

private:
    QProcess process_;
};

TEST(CrashRecoveryTest, TheJobOfAKilledProgramIsRestoredAtTheNextStart) {
    TemporaryHome home;
    const QString file = home.Path(QStringLiteral("pumps.zjob"));
    job::Job j;
    j.header.name = "Pump station";
    for (const char* tag : {"B-101", "B-102"}) {
        j.items.emplace_back();
        j.items.back().tag = tag;
    }
    ASSERT_EQ(job::SaveJobFile(file.toStdString(), j, {}).status, job::SaveStatus::Saved);
    const QString state = home.Path(QStringLiteral("home/.local/state/zorvik-amplifiers"));
    // English texts, whatever desktop the test runs on: the question is read back.
    WriteFile(home.Path(QStringLiteral("home/.config/Zorvik/Air Pressure Amplifiers.conf")),
              QByteArrayLiteral("[General]\nLanguage=en\n"));

    Program killed({QStringLiteral("--add-item"), QStringLiteral("B-999"), file});
    ASSERT_TRUE(KeptJobHas(state, {"B-101", "B-999", "B-102"})) << killed.Messages().toStdString();
    killed.Kill();
    EXPECT_EQ(job::OpenJobFile(file.toStdString()).job->items.size(), 2u) << "the file itself was never saved";

    Program next({QStringLiteral("--answer-questions"), QStringLiteral("ok"), QStringLiteral("--add-item"),
                  QStringLiteral("B-1000")});
    ASSERT_TRUE(KeptJobHas(state, {"B-101", "B-1000", "B-999", "B-102"})) << next.Messages().toStdString();
    const QString messages = next.Messages();
    EXPECT_TRUE(
        messages.startsWith(QStringLiteral("question, answered OK: The program ended without closing while a job "
                                           "had unsaved changes:\n\"Pump station\" (") +
                            file + QStringLiteral("), 3 items")))
        << messages.toStdString();
    EXPECT_EQ(QDir(state).entryList({QStringLiteral("autosave-*.zjob")}).size(), 1) << "the killed run's is gone";
}

}  // namespace
}  // namespace zorvik::testing
