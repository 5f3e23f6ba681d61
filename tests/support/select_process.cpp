#include "support/select_process.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <sstream>

#if defined(Q_OS_UNIX)
#include <sys/resource.h>
#endif

namespace zorvik::testing {

namespace {

SelectOutcome Run(const std::vector<std::string>& words, const std::string& input, const SelectEnvironment& environment,
                  [[maybe_unused]] long fileLimit) {
    QStringList arguments;
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
    process.start(QStringLiteral(ZORVIK_SELECT_PATH), arguments);
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

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace zorvik::testing
