#include "file_lock.h"

#include <thread>

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zorvik::job {
namespace {

constexpr std::chrono::milliseconds kRetryEvery{20};

}  // namespace

std::filesystem::path LockPath(const std::filesystem::path& file) {
    return file.parent_path() / ("." + file.filename().string() + ".lock");
}

FileLock::FileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds patience) : path_(lockFile) {
    const auto end = std::chrono::steady_clock::now() + patience;
    while (Open() && !(held_ = TryOnce()) && std::chrono::steady_clock::now() < end) {
        Close();
        std::this_thread::sleep_for(kRetryEvery);
    }
}

#if defined(_WIN32)
bool FileLock::Open() {
    handle_ = CreateFileW(path_.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) handle_ = nullptr;
    return opened_ = handle_ != nullptr;
}

bool FileLock::TryOnce() {
    OVERLAPPED whole{};
    return LockFileEx(handle_, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &whole) != 0;
}

// The lock file stays for the next save: Windows cannot remove a file
// another program has open.
void FileLock::Close() {
    if (handle_ != nullptr) CloseHandle(handle_);
    handle_ = nullptr;
}
#else
bool FileLock::Open() {
    fd_ = open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    return opened_ = fd_ >= 0;
}

// Locked, and still the file of that name: the holder before removes the
// file it locked, so a lock on a file no longer there holds nothing.
bool FileLock::TryOnce() {
    if (flock(fd_, LOCK_EX | LOCK_NB) != 0) return false;
    struct stat locked {};
    struct stat named {};
    return fstat(fd_, &locked) == 0 && stat(path_.c_str(), &named) == 0 && locked.st_dev == named.st_dev &&
           locked.st_ino == named.st_ino;
}

void FileLock::Close() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}
#endif

// The holder removes the lock file before it lets go, so no lock file is
// left beside the job; a program waiting on it tries the next one.
FileLock::~FileLock() {
#if !defined(_WIN32)
    if (held_) unlink(path_.c_str());
#endif
    Close();
}

}  // namespace zorvik::job
