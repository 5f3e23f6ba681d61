#include "user_files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "program_folder.h"

namespace zorvik {

QString UserConfigFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation); }

QString UserConfigFile(const QString& name) { return QDir(UserConfigFolder()).filePath(name); }

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
