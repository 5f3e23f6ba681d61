#include "durable_write.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#if defined(_WIN32)
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif
#include "text_catalog.h"

namespace zorvik::job {
namespace {

namespace fs = std::filesystem;

constexpr int kNameTries = 8;

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
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(random()));
    return target.parent_path() / ("." + target.filename().string() + suffix);
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

bool WriteTemporary(const fs::path& target, const std::string& bytes, fs::path& temporary, std::string& error) {
    std::mt19937 random{std::random_device{}()};
    for (int i = 0; i < kNameTries; ++i) {
        temporary = TemporaryName(target, random);
        error.clear();
        if (WriteNewFile(temporary, bytes, error)) return true;
        if (errno != EEXIST) break;
    }
    error = Substitute(Tr("Jobs", "The file cannot be written: %1."), {error});
    return false;
}

}  // namespace

bool ReplaceDurably(const fs::path& target, const std::string& bytes, const fs::path& backup, std::string& error) {
    fs::path temporary;
    if (!WriteTemporary(target, bytes, temporary, error)) return false;
    std::error_code ec;
    const fs::file_status previous = fs::status(target, ec);
    ec.clear();
    if (fs::exists(previous)) {
        fs::permissions(temporary, previous.permissions(), ec);
        if (!ec && !backup.empty()) fs::copy_file(target, backup, fs::copy_options::overwrite_existing, ec);
        if (ec)
            error = Substitute(Tr("Jobs", "The previous file cannot be kept as %1: %2."),
                               {backup.filename().string(), ec.message()});
    }
    if (!ec) {
        fs::rename(temporary, target, ec);
        if (ec) error = Substitute(Tr("Jobs", "The file cannot be replaced: %1."), {ec.message()});
    }
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    FlushFolder(target.parent_path());
    return true;
}

}  // namespace zorvik::job
