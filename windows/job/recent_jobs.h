#pragma once
// The job files opened or saved last, newest first, kept in the user's
// configuration folder for the job window's File menu.

#include <QString>
#include <QStringList>

namespace zorvik {

inline constexpr int RecentJobCount = 5;

QStringList RecentJobs();

// Puts `file` first; the list keeps RecentJobCount files.
void RememberRecentJob(const QString& file);

// Takes a file that could not be opened off the list.
void ForgetRecentJob(const QString& file);

}  // namespace zorvik
