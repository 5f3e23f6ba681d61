// Saves that hold with two writers at once, backups that are never written
// through whatever stands where they go, and no temporary file left behind.

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

#include "job_file.h"
#include "job_test_files.h"

namespace zorvik::job {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::ScratchFolder;
using testing::WriteBytes;

Job Named(const std::string& name) {
    Job job;
    job.header.name = name;
    return job;
}

// Adds an item as "zorvik-select job add" does: read, add, save what was read.
bool AddItem(const fs::path& file, const std::string& tag) {
    OpenedJob opened = OpenJobFile(file);
    if (!opened.job) return false;
    opened.job->items.emplace_back();
    opened.job->items.back().tag = tag;
    return SaveJobFile(file, *opened.job, opened.stamp).status == SaveStatus::Saved;
}

// Every add that said it saved is in the file, whoever else saved at once.
TEST(SaveSafetyTest, ParallelWritersLoseNothingTheyReportedSaved) {
    for (const int writers : {2, 4}) {
        ScratchFolder folder;
        const fs::path file = folder / "job.zjob";
        Job empty = Named("shared");
        ASSERT_EQ(SaveJobFile(file, empty, {}).status, SaveStatus::Saved);
        std::atomic<int> saved{0};
        std::vector<std::thread> threads;
        for (int w = 0; w < writers; ++w)
            threads.emplace_back([&, w] {
                for (int round = 0; round < 25; ++round)
                    saved += AddItem(file, std::to_string(w) + "-" + std::to_string(round));
            });
        for (std::thread& t : threads) t.join();
        const OpenedJob after = OpenJobFile(file);
        ASSERT_TRUE(after.job) << after.error;
        EXPECT_EQ(static_cast<int>(after.job->items.size()), saved.load()) << writers << " writers";
        EXPECT_GT(saved.load(), 0);
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"job.zjob", "job.zjob~"})) << "no lock or temporary left";
    }
}

// Of programs making the same new job at once, exactly one does.
TEST(SaveSafetyTest, ANewJobIsMadeOnceWhenManyMakeItAtOnce) {
    for (int round = 0; round < 10; ++round) {
        ScratchFolder folder;
        const fs::path file = folder / "new.zjob";
        std::atomic<int> made{0};
        std::vector<std::thread> threads;
        for (int w = 0; w < 3; ++w)
            threads.emplace_back([&, w] {
                Job job = Named("writer " + std::to_string(w));
                made += SaveJobFile(file, job, {}).status == SaveStatus::Saved;
            });
        for (std::thread& t : threads) t.join();
        EXPECT_EQ(made.load(), 1) << "round " << round;
        EXPECT_TRUE(OpenJobFile(file).job);
    }
}

// Whatever stands where the backup goes is replaced, never written through;
// what cannot be replaced refuses the save with the job file untouched.
TEST(SaveSafetyTest, TheBackupIsANewFileWhateverStoodThere) {
    const struct {
        const char* what;
        void (*plant)(const fs::path& backup, const fs::path& victim);
        bool saves;
    } cases[] = {
        {"a symbolic link", [](const fs::path& b, const fs::path& v) { fs::create_symlink(v, b); }, true},
        {"a hard link", [](const fs::path& b, const fs::path& v) { fs::create_hard_link(v, b); }, true},
        {"an older backup", [](const fs::path& b, const fs::path&) { WriteBytes(b, "old"); }, true},
        {"a folder", [](const fs::path& b, const fs::path&) { fs::create_directory(b); }, false},
    };
    for (const auto& c : cases) {
        ScratchFolder folder;
        const fs::path file = folder / "job.zjob";
        const fs::path victim = folder / "notes.txt";
        WriteBytes(victim, "someone's notes");
        Job first = Named("first");
        ASSERT_EQ(SaveJobFile(file, first, {}).status, SaveStatus::Saved);
        const std::string before = Bytes(file);
        c.plant(BackupPath(file), victim);
        Job second = Named("second");
        const SaveOutcome outcome = SaveJobFile(file, second, StampOf(file));
        EXPECT_EQ(outcome.status == SaveStatus::Saved, c.saves) << c.what << ": " << outcome.message;
        EXPECT_EQ(Bytes(victim), "someone's notes") << c.what;
        // Saved, the backup holds the first job; refused, the job file still does.
        EXPECT_EQ(Bytes(c.saves ? BackupPath(file) : file), before) << c.what;
        for (const std::string& name : folder.Names()) EXPECT_EQ(name.find(".tmp"), std::string::npos) << c.what;
    }
}

// A save interrupted by a crash leaves its temporary file; the next save of
// that job clears it, and leaves other files alone.
TEST(SaveSafetyTest, TheNextSaveClearsWhatACrashLeft) {
    ScratchFolder folder;
    const fs::path file = folder / "job.zjob";
    Job job = Named("j");
    ASSERT_EQ(SaveJobFile(file, job, {}).status, SaveStatus::Saved);
    WriteBytes(folder / ".job.zjob.0a1b2c3d.tmp", "half a job");
    WriteBytes(folder / ".other.zjob.0a1b2c3d.tmp", "another job's");
    WriteBytes(folder / ".job.zjob.notes.tmp", "not ours");
    ASSERT_EQ(SaveJobFile(file, job, StampOf(file)).status, SaveStatus::Saved);
    EXPECT_EQ(folder.Names(),
              (std::vector<std::string>{".job.zjob.notes.tmp", ".other.zjob.0a1b2c3d.tmp", "job.zjob", "job.zjob~"}));
}

// A file nobody may write is refused, also when the user says to replace
// it: read-only means read-only, for root too.
TEST(SaveSafetyTest, AReadOnlyFileIsNeverReplaced) {
    ScratchFolder folder;
    const fs::path file = folder / "job.zjob";
    Job job = Named("A");
    ASSERT_EQ(SaveJobFile(file, job, DiskStamp{}).status, SaveStatus::Saved);
    ASSERT_EQ(SaveJobFile(file, job, OpenJobFile(file).stamp).status, SaveStatus::Saved);
    const OpenedJob opened = OpenJobFile(file);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    const std::string before = Bytes(file);
    for (const bool overwrite : {false, true}) {
        Job changed = Named("B");
        EXPECT_EQ(SaveJobFile(file, changed, opened.stamp, overwrite).status, SaveStatus::NotWritable) << overwrite;
        EXPECT_EQ(Bytes(file), before);
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"job.zjob", "job.zjob~"}));
    }
}

}  // namespace
}  // namespace zorvik::job
