// Job files nobody should give zorvik-select: each is refused with its
// message on stderr and exit status 2 by every word, and left on disk byte
// for byte, with no backup and no temporary file beside it.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "job_test_files.h"
#include "support/select_process.h"

namespace zorvik::testing {
namespace {

using Words = std::vector<std::string>;

const Words kAddFlow = {"--tag", "N-1",     "--application", "flow",     "--drive", "100",    "--air",
                        "100",   "--inlet", "100",           "--outlet", "200",     "--flow", "2"};

Words With(Words words, const Words& more) {
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

TEST(HostileJobFilesTest, EveryWordRefusesABadFileAndLeavesItAlone) {
    ScratchFolder folder;
    const std::string file = (folder / "bad.zjob").string();
    for (const BadJobFile& bad : BadJobFiles()) {
        WriteBytes(file, bad.bytes);
        for (const Words& words : {With({"job", "add", file}, kAddFlow), Words{"job", "show", file, "--format", "json"},
                                   Words{"job", "check", file}, Words{"job", "report", file, "--out", file + ".csv"}}) {
            const SelectOutcome run = RunSelect(words);
            const std::string prefix = "zorvik-select job " + words[1] + ": " + file + ": ";
            EXPECT_EQ(run.status, 2) << bad.what << ", " << words[1];
            EXPECT_TRUE(run.err.starts_with(prefix) &&
                        MessageMatches(run.err.substr(prefix.size(), run.err.size() - prefix.size() - 1), bad.message))
                << bad.what << ", " << words[1] << ": " << run.err;
            EXPECT_EQ(run.out, "") << bad.what << ", " << words[1];
        }
        EXPECT_EQ(Bytes(file), bad.bytes) << bad.what;
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"bad.zjob"}) << bad.what;
    }
}

TEST(HostileJobFilesTest, WhatIsNoJobFileIsRefusedAtOnce) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "folder.zjob");
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {"/dev/zero", "The file is not a regular file."},
        {(folder / "folder.zjob").string(), "The file is a folder, not a job file."},
        {(folder / "missing.zjob").string(), "The file cannot be opened: No such file or directory."},
    };
    for (const auto& c : cases) {
        const SelectOutcome run = RunSelect({"job", "show", c.path});
        EXPECT_EQ(run.status, 2) << c.path;
        EXPECT_EQ(run.err, "zorvik-select job show: " + c.path + ": " + c.message + "\n");
    }
}

// Texts no job should hold go in and come back out as they were.
TEST(HostileJobFilesTest, HostileTextsSurviveAJob) {
    ScratchFolder folder;
    const std::string file = (folder / "texts.zjob").string();
    const std::string texts[] = {std::string(100000, 'x'),
                                 std::string(20000, 'x') + std::string(5000, '\x01') + "\xE2\x82\xAC",
                                 "\"quoted\" \\ back",
                                 "tab\tand\nline",
                                 "\xE2\x80\x8F\xD8\xA7",
                                 "=cmd|' /C calc'!A0",
                                 "--tag"};
    for (const std::string& text : texts) {
        std::filesystem::remove(file);
        ASSERT_EQ(RunSelect({"job", "new", file, "--name", text}).status, 0);
        ASSERT_EQ(RunSelect(With({"job", "add", file}, With(kAddFlow, {"--notes", text}))).status, 0);
        const SelectOutcome shown = RunSelect({"job", "show", file, "--format", "json"});
        EXPECT_EQ(shown.status, 0);
        EXPECT_NE(shown.out.find(nlohmann::json(text).dump()), std::string::npos) << text.substr(0, 20);
        EXPECT_EQ(RunSelect({"job", "check", file}).status, 0) << text.substr(0, 20);
        EXPECT_EQ(RunSelect({"job", "report", file, "--out", file + ".xlsx"}).status, 0) << text.substr(0, 20);
    }
}

}  // namespace
}  // namespace zorvik::testing
