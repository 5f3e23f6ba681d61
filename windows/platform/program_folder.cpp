#include "program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "build_info.h"

namespace zorvik {
namespace {
QString& Override() {
    static QString folder;
    return folder;
}
}  // namespace

QString ProgramFolder() { return Override().isEmpty() ? QCoreApplication::applicationDirPath() : Override(); }

QString ProgramFile(const QString& name) { return QDir(ProgramFolder()).filePath(name); }

QString HelperProgramFile(const QString& name) {
    const QString beside = ProgramFile(name);
    if (QFileInfo(beside).isFile()) return beside;
    const QString installed =
        QDir::cleanPath(QDir(ProgramFolder()).filePath(QStringLiteral(ZORVIK_HELPER_FOLDER "/") + name));
    return QFileInfo(installed).isFile() ? installed : beside;
}

void SetProgramFolder(const QString& folder) { Override() = folder; }

}  // namespace zorvik
