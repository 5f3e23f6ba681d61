#include "user_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "program_folder.h"

namespace zorvik {

QString UserConfigFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation); }

QString UserConfigFile(const QString& name) { return QDir(UserConfigFolder()).filePath(name); }

QString UserStateFolder() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative XDG_STATE_HOME is invalid and must be ignored, as every XDG
    // variable is.
    if (state.isEmpty() || QDir::isRelativePath(state)) state = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir(state).filePath(QCoreApplication::applicationName());
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
#endif
}

// On Linux the list of the standard paths is the user's folder followed by
// every folder of XDG_CONFIG_DIRS (/etc/xdg/... by default).
QStringList ConfigSearchFolders() {
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::AppConfigLocation);
    folders << ProgramFolder();
    folders.removeDuplicates();
    return folders;
}

QString FindConfigFile(const QString& name) {
    for (const QString& folder : ConfigSearchFolders()) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

}  // namespace zorvik
