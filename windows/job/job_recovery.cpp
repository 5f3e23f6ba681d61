#include "job_recovery.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "job_autosave.h"
#include "job_window.h"

namespace zorvik {
namespace {

std::string Question(const LeftJob& left) {
    const QString name = QString::fromStdString(left.job->header.name);
    const QString where = left.origin.isEmpty() ? QCoreApplication::translate("JobRecovery", "a new job, never saved")
                                                : QDir::toNativeSeparators(left.origin);
    const QString when = QLocale::system().toString(QFileInfo(left.file).lastModified(), QLocale::ShortFormat);
    const int count = static_cast<int>(left.job->items.size());
    const QString items = count == 1 ? QCoreApplication::translate("JobRecovery", "1 item")
                                     : QCoreApplication::translate("JobRecovery", "%1 items").arg(count);
    return QCoreApplication::translate("JobRecovery",
                                       "The program ended without closing while a job had unsaved changes:")
               .toStdString() +
           "\r" +
           QCoreApplication::translate("JobRecovery", "\"%1\" (%2), %3, as it was at %4.")
               .arg(name, where, items, when)
               .toStdString() +
           "\r" + QCoreApplication::translate("JobRecovery", "Restore it?").toStdString();
}

}  // namespace

bool OfferLeftJobs(JobWindow& window, Notices& notices) {
    bool restored = false;
    for (LeftJob& left : LeftJobs(window.AutosaveFile())) {
        if (!left.job) {
            notices.Error(
                QCoreApplication::translate("JobRecovery", "A job kept against a crash cannot be read; it is kept as")
                    .toStdString() +
                "\r" + QDir::toNativeSeparators(left.file + QLatin1Char('~')).toStdString() + "\r" + left.error);
            DiscardLeftJob(left, true);
            continue;
        }
        const bool wanted = notices.Question(Question(left));
        const bool taken = wanted && window.RestoreLeftJob(std::move(*left.job), left.origin, left.stamp);
        DiscardLeftJob(left, !taken);
        restored = restored || taken;
    }
    if (restored) window.show();
    return restored;
}

}  // namespace zorvik
