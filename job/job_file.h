#pragma once
// Job files on disk, shared by the windows and the command line. Reading
// refuses a file that is too large, no UTF-8, no JSON or no job before it
// opens anything. Saving is atomic: the text goes to a temporary file in
// the same folder, is flushed to the disk, the previous file is kept as
// FILE~ and the new one is renamed over it, so a crash leaves either the
// old file or the new one, never half of one. A file that changed on disk
// since it was opened is not overwritten unless the caller says so.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "job.h"
#include "job_json.h"

namespace zorvik::job {

inline constexpr const char* JobFileExtension = ".zjob";

// What a file was when it was read or written, to tell whether anyone
// changed it since. A file that does not exist has the empty stamp.
struct DiskStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    std::uint64_t hash = 0;  // FNV-1a of the bytes

    bool operator==(const DiskStamp&) const = default;
};

// The stamp of the file as it is now (the bytes are read for the hash).
DiskStamp StampOf(const std::filesystem::path& file);

struct OpenedJob {
    std::optional<Job> job;  // nothing when the file cannot be taken
    Text error;              // a sentence saying why
    DiskStamp stamp;         // of the bytes read, for the save
};

OpenedJob OpenJobFile(const std::filesystem::path& file);

// Where the previous contents of a file are kept by a save: FILE~.
std::filesystem::path BackupPath(const std::filesystem::path& file);

enum class SaveStatus {
    Saved,
    ChangedOnDisk,  // the file is not what `expected` says: nothing written
    Busy,           // another program was saving it all the while a save waits: nothing written
    NotWritable,    // the user may not write the file: nothing written; save it under another name
    Failed,         // nothing written; the message says why
};

// How long a save waits for another program's save of the same file.
inline constexpr std::chrono::milliseconds SaveLockPatience{10000};

struct SaveOutcome {
    SaveStatus status = SaveStatus::Failed;
    Text message;     // empty when saved
    DiskStamp stamp;  // of the file written
};

// Writes the job with every item's figures computed now and this program's
// version. `expected` is the stamp the file had when the job was opened -
// the empty stamp for a new job, so an existing file is not replaced -
// unless `overwrite`; a new job's file is made only while the name is
// free. From that check to the rename the file's lock (file_lock.h) is
// held, so two programs saving one file at once cannot both write over
// what the other read. When saved, the job holds the figures and version
// written.
SaveOutcome SaveJobFile(const std::filesystem::path& file, Job& job, const DiskStamp& expected, bool overwrite = false);

// This program's version, as saved in the files it writes.
const char* ProgramVersion();

}  // namespace zorvik::job
