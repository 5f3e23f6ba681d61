#include "session_names.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace zorvik {
namespace {

// ":0", "wayland-0", "localhost:10.0" as a part of a file name.
QString DisplayPart() {
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty()) return {};
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
    return QLatin1Char('-') + display.replace(unsafe, QStringLiteral("_"));
}

}  // namespace

QString SessionSocketName(const QString& message) {
#ifdef Q_OS_UNIX
    const QString name = message + DisplayPart();
    // The runtime folder belongs to the user alone (mode 0700), and the
    // system empties it at logout. Qt makes one when the session has none;
    // only a broken one leaves it empty, and then the user id keeps the name
    // apart in the temporary folder.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) return QDir(runtime).filePath(name);
    return QDir(QDir::tempPath()).filePath(name + QStringLiteral("-uid%1").arg(getuid()));
#else
    return message;
#endif
}

}  // namespace zorvik
