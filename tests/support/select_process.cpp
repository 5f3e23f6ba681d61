#include "support/select_process.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <sstream>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;  // declared by no header on some systems
#endif

namespace zorvik::testing {

namespace {

constexpr const char* kSetpriv = "/usr/bin/setpriv";
const QStringList kAsNobody = {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                               QStringLiteral("--clear-groups"), QStringLiteral(ZORVIK_SELECT_PATH)};

SelectOutcome Run(const std::vector<std::string>& words, const std::string& input, const SelectEnvironment& environment,
                  [[maybe_unused]] long fileLimit, bool asNobody = false) {
    QStringList arguments = asNobody ? kAsNobody : QStringList();
    for (const std::string& w : words) arguments << QString::fromStdString(w);
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : environment) {
        if (value)
            variables.insert(QString::fromStdString(name), QString::fromStdString(*value));
        else
            variables.remove(QString::fromStdString(name));
    }
    process.setProcessEnvironment(variables);
#if defined(Q_OS_UNIX)
    if (fileLimit > 0)
        process.setChildProcessModifier([fileLimit] {
            const rlimit limit{static_cast<rlim_t>(fileLimit), static_cast<rlim_t>(fileLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
#endif
    process.start(QString::fromLatin1(asNobody ? kSetpriv : ZORVIK_SELECT_PATH), arguments);
    if (!process.waitForStarted()) {
        ADD_FAILURE() << "zorvik-select did not start: " << process.errorString().toStdString();
        return {};
    }
    process.write(input.data(), static_cast<qint64>(input.size()));
    process.closeWriteChannel();
    // A hang is caught by the test's time limit; waiting here has none.
    process.waitForFinished(-1);
    const QByteArray out = process.readAllStandardOutput();
    const QByteArray err = process.readAllStandardError();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, out.toStdString(),
            err.toStdString()};
}

}  // namespace

SelectOutcome RunSelect(const std::vector<std::string>& words, const std::string& input,
                        const SelectEnvironment& environment) {
    return Run(words, input, environment, 0);
}

SelectOutcome RunSelectWithFileLimit(const std::vector<std::string>& words, long limitBytes) {
    return Run(words, {}, {}, limitBytes);
}

std::string WhyNotAsAnotherUser() {
#if defined(Q_OS_UNIX)
    if (geteuid() != 0) return "only root can run a program as another user";
    if (access(kSetpriv, X_OK) != 0) return std::string(kSetpriv) + " is not installed";
    return {};
#else
    return "this system has no setpriv";
#endif
}

SelectOutcome RunSelectAsAnotherUser(const std::vector<std::string>& words) { return Run(words, {}, {}, 0, true); }

int RunSelectWithBytes(const std::vector<std::string>& words) {
#if defined(Q_OS_UNIX)
    std::vector<std::string> all{ZORVIK_SELECT_PATH};
    all.insert(all.end(), words.begin(), words.end());
    std::vector<char*> argv;
    for (std::string& word : all) argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int started = posix_spawn(&child, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    if (started != 0 || waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#else
    return RunSelect(words).status;
#endif
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace zorvik::testing
