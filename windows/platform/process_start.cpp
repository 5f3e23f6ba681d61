#include "process_start.h"

#include <QFileInfo>
#include <QProcess>

namespace zorvik {

bool StartProgram(const QString& absolutePath) {
    const QFileInfo file(absolutePath);
    if (!file.isAbsolute() || !file.isFile() || !file.isExecutable()) return false;
    return QProcess::startDetached(file.absoluteFilePath(), {}, file.absolutePath());
}

}  // namespace zorvik
