#include "durable_write.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

#if defined(_WIN32)
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#include "text.h"

namespace zorvik::job {
namespace {

namespace fs = std::filesystem;

constexpr int kNameTries = 8;
constexpr std::size_t kRandomDigits = 8;
constexpr const char* kTemporarySuffix = ".tmp";

bool FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) return false;
#if defined(_WIN32)
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// The rename is only on the disk once the folder's entry is.
void FlushFolder([[maybe_unused]] const fs::path& folder) {
#if !defined(_WIN32)
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
#endif
}

// ".NAME.1a2b3c4d.tmp" beside the target: the same file system, so the
// rename is atomic; hidden, so a folder listing does not show it.
fs::path TemporaryName(const fs::path& target, std::mt19937& random) {
    static const char kHex[] = "0123456789abcdef";
    std::string digits;
    for (std::size_t i = 0; i < kRandomDigits; ++i) digits += kHex[random() % 16];
    return target.parent_path() / ("." + target.filename().string() + "." + digits + kTemporarySuffix);
}

// Creates a file of that name that did not exist ("x"), writes and flushes.
bool WriteNewFile(const fs::path& temporary, const std::string& bytes, std::string& error) {
    std::FILE* file = std::fopen(temporary.string().c_str(), "wbx");
    if (file == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && FlushToDisk(file);
    if (!written) error = std::strerror(errno);
    if (std::fclose(file) != 0 && written) error = std::strerror(errno);
    if (!written || !error.empty()) std::remove(temporary.string().c_str());
    return error.empty();
}

bool WriteTemporary(const fs::path& target, const std::string& bytes, fs::path& temporary, Text& error) {
    std::mt19937 random{std::random_device{}()};
    std::string why;
    for (int i = 0; i < kNameTries; ++i) {
        temporary = TemporaryName(target, random);
        why.clear();
        if (WriteNewFile(temporary, bytes, why)) return true;
        if (errno != EEXIST) break;
    }
    error = Tr("Jobs", "The file cannot be written: %1.").With({why});
    return false;
}

// The present file's bytes, as a new file renamed to `backup`: whatever
// stood there (an older backup, a link to another file) is replaced, never
// written through, and a failure leaves it as it was.
bool KeepBackup(const fs::path& target, const fs::path& backup, Text& error) {
    std::ifstream in(target, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::error_code ec;
    fs::path temporary;
    if (!in || !WriteTemporary(backup, bytes.str(), temporary, error)) {
        error = Tr("Jobs", "The previous file cannot be kept as %1: %2.")
                    .With({backup.filename().string(), error.Empty() ? Text(std::strerror(errno)) : error});
        return false;
    }
    fs::permissions(temporary, fs::status(target, ec).permissions(), ec);
    fs::rename(temporary, backup, ec);
    if (ec) {
        fs::remove(temporary, ec);
        error =
            Tr("Jobs", "The previous file cannot be kept as %1: %2.").With({backup.filename().string(), ec.message()});
        return false;
    }
    return true;
}

// The new file takes the old one's permissions, and its owner and group
// where the user may give them (root may; a user keeps a group of theirs).
void TakeOwnership([[maybe_unused]] const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::permissions(to, fs::status(from, ec).permissions(), ec);
#if !defined(_WIN32)
    struct stat old {};
    if (stat(from.c_str(), &old) != 0 || chown(to.c_str(), old.st_uid, old.st_gid) == 0) return;
    // Not the owner: the group alone, where it is one of the user's; else the user's own stays.
    [[maybe_unused]] const int kept = chown(to.c_str(), static_cast<uid_t>(-1), old.st_gid);
#endif
}

bool Fail(const fs::path& temporary, Text& error, const Text& message) {
    std::error_code ec;
    fs::remove(temporary, ec);
    error = message;
    return false;
}

}  // namespace

bool MayWrite(const fs::path& file) {
    std::error_code ec;
    if (!fs::exists(file, ec)) return true;
#if defined(_WIN32)
    return (fs::status(file, ec).permissions() & fs::perms::owner_write) != fs::perms::none;
#else
    // Root may write anything; a file nobody may write is read-only for root too.
    constexpr fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return access(file.c_str(), W_OK) == 0 && (fs::status(file, ec).permissions() & anyWrite) != fs::perms::none;
#endif
}

bool ReplaceDurably(const fs::path& target, const std::string& bytes, const fs::path& backup, Text& error) {
    if (!MayWrite(target)) {
        error = Tr("Jobs", "The file is read-only for you.");
        return false;
    }
    fs::path temporary;
    if (!WriteTemporary(target, bytes, temporary, error)) return false;
    std::error_code ec;
    if (fs::exists(target, ec)) {
        TakeOwnership(target, temporary);
        if (!backup.empty() && !KeepBackup(target, backup, error)) return Fail(temporary, error, error);
    }
    fs::rename(temporary, target, ec);
    if (ec) return Fail(temporary, error, Tr("Jobs", "The file cannot be replaced: %1.").With({ec.message()}));
    FlushFolder(target.parent_path());
    return true;
}

bool CreateDurably(const fs::path& target, const std::string& bytes, Text& error) {
    fs::path temporary;
    if (!WriteTemporary(target, bytes, temporary, error)) return false;
    std::error_code ec;
    fs::create_hard_link(temporary, target, ec);
    // A file system without links: the name is checked, then taken.
    if (ec && ec != std::errc::file_exists && !fs::exists(target)) {
        ec.clear();
        fs::rename(temporary, target, ec);
    }
    if (ec == std::errc::file_exists || (ec && fs::exists(target)))
        return Fail(temporary, error, Tr("Jobs", "A file of that name exists already."));
    if (ec) return Fail(temporary, error, Tr("Jobs", "The file cannot be written: %1.").With({ec.message()}));
    fs::remove(temporary, ec);
    FlushFolder(target.parent_path());
    return true;
}

bool WriteOutput(const fs::path& target, const std::string& bytes, Text& error) {
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        error = Tr("Jobs", "It is not a regular file, so nothing is written there.");
        return false;
    }
    return ReplaceDurably(target, bytes, {}, error);
}

void RemoveStaleTemporaries(const fs::path& target) {
    const std::string start = "." + target.filename().string() + ".";
    std::error_code ec;
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        const bool ours = name.size() == start.size() + kRandomDigits + std::strlen(kTemporarySuffix) &&
                          name.compare(0, start.size(), start) == 0 && name.ends_with(kTemporarySuffix);
        std::error_code removed;
        if (ours && entry.is_regular_file(removed)) fs::remove(entry.path(), removed);
    }
}

}  // namespace zorvik::job
