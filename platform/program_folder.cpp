#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace zorvik {
namespace {
QString& Override() {
    static QString folder;
    return folder;
}
}  // namespace

QString ProgramFolder() {
    return Override().isEmpty() ? QCoreApplication::applicationDirPath() : Override();
}

QString ProgramFile(const QString& name) { return QDir(ProgramFolder()).filePath(name); }

void SetProgramFolder(const QString& folder) { Override() = folder; }

}  // namespace zorvik
