#pragma once
// The open job kept against a crash: a job window writes its job with
// unsaved changes every minute to the user's state folder, and removes it
// when the job is saved or set aside and when the window closes cleanly. A
// job still there at the next start was left by a run that ended without
// closing, and is offered back.
//
// Each running program takes a slot of its own (autosave-N.zjob, with a
// lock file the system frees when the program ends, however it ends), so
// two programs never write over each other's job, and a job is offered
// back only once its program is gone.

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "job.h"
#include "job_file.h"

class QLockFile;

namespace zorvik {

class JobAutosave {
public:
    // Takes the first free slot whose job has been dealt with.
    JobAutosave();
    ~JobAutosave();
    JobAutosave(const JobAutosave&) = delete;
    JobAutosave& operator=(const JobAutosave&) = delete;

    bool HasSlot() const { return lock_ != nullptr; }
    QString JobFile() const;

    // The job with the file it belongs to (empty for a new job) and that
    // file's stamp when the job was read from it, so that a restored job
    // is still not saved over a file changed since without asking.
    bool Write(const job::Job& job, const QString& origin, const job::DiskStamp& stamp, Text& error);
    void Remove();

private:
    std::unique_ptr<QLockFile> lock_;
    int slot_ = 0;
};

// A job a run left behind.
struct LeftJob {
    QString file;  // the kept job in the state folder
    std::optional<job::Job> job;
    Text error;  // why it cannot be read, when there is no job
    QString origin;
    job::DiskStamp stamp;
};

// The jobs of slots whose program is gone, but `own` (this program's file,
// if any), lowest slot first.
std::vector<LeftJob> LeftJobs(const QString& own);

// Done with a left job: removed, or when the user declined it, kept once as
// FILE~ beside it (replacing an older one) so a wrong answer loses nothing.
void DiscardLeftJob(const LeftJob& left, bool keepCopy);

}  // namespace zorvik
