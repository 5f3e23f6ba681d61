#include "job_file.h"

#include <fstream>

#include <nlohmann/json.hpp>

#include "durable_write.h"
#include "file_lock.h"
#include "fixed_format.h"
#include "item_figures.h"
#include "job_json.h"
#include "text.h"

namespace zorvik::job {
namespace {

namespace fs = std::filesystem;

constexpr double kBytesPerMiB = 1024.0 * 1024.0;

// FNV-1a, 64 bits (Fowler, Noll, Vo): enough to tell an edited file from
// the one read, not a guard against a deliberate forgery.
std::uint64_t Fnv1a(const std::string& bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    return hash;
}

// At most `limit` + 1 bytes, so a file that grew past the limit is seen.
std::optional<std::string> ReadBytes(const fs::path& file, std::uintmax_t limit) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(limit) + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

Text TooLarge(std::uintmax_t bytes) {
    const std::string size = FormatFixed(static_cast<double>(bytes) / kBytesPerMiB, 15, 1);
    const std::string most = FormatFixed(static_cast<double>(MaxJobFileBytes) / kBytesPerMiB, 15, 0);
    return Tr("Jobs", "The file is %1 MiB; a job file is at most %2 MiB.").With({size, most});
}

DiskStamp StampOfBytes(const fs::path& file, const std::string& bytes) {
    std::error_code ec;
    return {true, bytes.size(), fs::last_write_time(file, ec), Fnv1a(bytes)};
}

// Compares the cheap facts first, so a file that grew huge is not read.
bool Unchanged(const fs::path& file, const DiskStamp& expected) {
    std::error_code ec;
    const bool exists = fs::exists(file, ec);
    if (exists != expected.exists) return false;
    if (!exists) return true;
    if (fs::file_size(file, ec) != expected.size || fs::last_write_time(file, ec) != expected.modified) return false;
    const auto bytes = ReadBytes(file, expected.size);
    return bytes && Fnv1a(*bytes) == expected.hash;
}

// Saving through a symbolic link replaces the file it points at, not the link.
fs::path Resolved(const fs::path& file) {
    std::error_code ec;
    const fs::path target = fs::is_symlink(file, ec) ? fs::weakly_canonical(file, ec) : file;
    return ec ? file : target;
}

Job WithFiguresOfNow(Job job) {
    job.savedByVersion = ProgramVersion();
    for (JobItem& item : job.items) item.savedFigures = ComputeFigures(item, job.header.cost);
    return job;
}

SaveOutcome Refused(SaveStatus status, Text message) { return {status, std::move(message), {}}; }

}  // namespace

DiskStamp StampOf(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return {};
    const auto bytes = ReadBytes(file, fs::file_size(file, ec));
    return bytes ? StampOfBytes(file, *bytes) : DiskStamp{};
}

OpenedJob OpenJobFile(const fs::path& file) {
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (ec) return {std::nullopt, Tr("Jobs", "The file cannot be opened: %1.").With({ec.message()}), {}};
    if (fs::is_directory(status)) return {std::nullopt, Tr("Jobs", "The file is a folder, not a job file."), {}};
    if (!fs::is_regular_file(status)) return {std::nullopt, Tr("Jobs", "The file is not a regular file."), {}};
    const std::uintmax_t size = fs::file_size(file, ec);
    if (!ec && size > MaxJobFileBytes) return {std::nullopt, TooLarge(size), {}};
    const auto bytes = ReadBytes(file, MaxJobFileBytes);
    if (!bytes) return {std::nullopt, Tr("Jobs", "The file cannot be read."), {}};
    if (bytes->size() > MaxJobFileBytes) return {std::nullopt, TooLarge(bytes->size()), {}};
    JobParse parsed = ParseJobText(*bytes);
    return {std::move(parsed.job), std::move(parsed.error), StampOfBytes(file, *bytes)};
}

fs::path BackupPath(const fs::path& file) {
    fs::path backup = file;
    backup += "~";
    return backup;
}

SaveOutcome SaveJobFile(const fs::path& file, Job& job, const DiskStamp& expected, bool overwrite) {
    const fs::path target = Resolved(file);
    const FileLock lock(LockPath(target), SaveLockPatience);
    // Without a lock file (a folder the user may not write) the save fails on its own reason.
    if (lock.Opened() && !lock.Held())
        return Refused(SaveStatus::Busy, Tr("Jobs", "The file is being saved by another program; try again."));
    if (!MayWrite(target))
        return Refused(SaveStatus::NotWritable,
                       Tr("Jobs", "The file is read-only for you; save the job under another name."));
    if (!overwrite && !Unchanged(target, expected))
        return Refused(SaveStatus::ChangedOnDisk, expected.exists
                                                      ? Tr("Jobs", "The file has changed on disk since it was opened.")
                                                      : Tr("Jobs", "A file of that name exists already."));
    Job written = WithFiguresOfNow(job);
    std::string text;
    try {
        text = JobFileText(written);
    } catch (const nlohmann::json::type_error&) {
        return Refused(SaveStatus::Failed, Tr("Jobs", "A text of the job is not UTF-8, so it cannot be saved."));
    }
    if (text.size() > MaxJobFileBytes)
        return Refused(SaveStatus::Failed, Tr("Jobs", "The job is too large for a job file (at most 16 MiB)."));
    RemoveStaleTemporaries(target);
    Text error;
    const bool fresh = !expected.exists && !overwrite;
    if (!(fresh ? CreateDurably(target, text, error) : ReplaceDurably(target, text, BackupPath(target), error)))
        return Refused(fresh && fs::exists(target) ? SaveStatus::ChangedOnDisk : SaveStatus::Failed, error);
    job = std::move(written);
    return {SaveStatus::Saved, {}, StampOf(target)};
}

const char* ProgramVersion() { return ZORVIK_PROGRAM_VERSION; }

}  // namespace zorvik::job
