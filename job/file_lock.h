#pragma once
// An advisory lock between programs that save the same job: taken on a
// small file beside the job that is never renamed (a lock on the job file
// itself would be lost when a save renames a new file into its place), and
// held from the check that the job is as it was read to the rename of the
// new file. flock on POSIX systems, LockFileEx on Windows.

#include <chrono>
#include <filesystem>

namespace zorvik::job {

// ".NAME.lock" beside the file, hidden from a folder listing.
std::filesystem::path LockPath(const std::filesystem::path& file);

class FileLock {
public:
    // Takes the lock, trying again until `patience` has passed.
    FileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds patience);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // False when another program held it all that time, or when the lock
    // file could not be opened.
    bool Held() const { return held_; }
    // False when the lock file could not be opened or made (a folder the
    // user may not write, say): no other program holds anything then.
    bool Opened() const { return opened_; }

private:
    bool Open();
    bool TryOnce();
    void Close();

    std::filesystem::path path_;
#if defined(_WIN32)
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
    bool opened_ = false;
    bool held_ = false;
};

}  // namespace zorvik::job
