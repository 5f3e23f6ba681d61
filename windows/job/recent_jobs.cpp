#include "recent_jobs.h"

#include <QFileInfo>
#include <QSettings>

#include "user_files.h"

namespace zorvik {
namespace {

const QString kKey = QStringLiteral("jobs/recent");

QSettings Settings() { return QSettings(UserConfigFile(QStringLiteral("settings.ini")), QSettings::IniFormat); }

void Store(QStringList files) {
    files.removeDuplicates();
    while (files.size() > RecentJobCount) files.removeLast();
    Settings().setValue(kKey, files);
}

}  // namespace

QStringList RecentJobs() {
    QStringList files = Settings().value(kKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, RecentJobCount);
}

void RememberRecentJob(const QString& file) {
    QStringList files = RecentJobs();
    const QString path = QFileInfo(file).absoluteFilePath();
    files.removeAll(path);
    files.prepend(path);
    Store(files);
}

void ForgetRecentJob(const QString& file) {
    QStringList files = RecentJobs();
    files.removeAll(QFileInfo(file).absoluteFilePath());
    Store(files);
}

}  // namespace zorvik
