// Every file zorvik-select writes is whole or not there: a disk that fills
// up, a name that is a device and a name of another kind of file all end
// in a failure with the reason, and leave nothing behind.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "job_test_files.h"
#include "support/select_process.h"

namespace zorvik::testing {
namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

const Words kFlow = {"--drive", "100", "--air", "100", "--inlet", "100", "--outlet", "200", "--flow", "2"};

// Each writer with its file name last.
std::vector<Words> Writers(const fs::path& job) {
    Words compare = {"compare"};
    compare.insert(compare.end(), kFlow.begin(), kFlow.end());
    compare.push_back("--out");
    return {
        {"drawing", "--model", "5", "--units", "in", "--out"},
        {"chart", "--model", "5", "--out"},
        {"sheet", "--model", "5", "--show", "chart", "--out"},
        compare,
        {"job", "report", job.string(), "--out"},
    };
}

fs::path MadeJob(const ScratchFolder& folder) {
    const fs::path job = folder / "job.zjob";
    Words add = {"job", "add", job.string(), "--tag", "B-1", "--application", "flow", "--model", "6"};
    add.insert(add.end(), kFlow.begin(), kFlow.end());
    EXPECT_EQ(RunSelect({"job", "new", job.string(), "--name", "J"}).status, 0);
    EXPECT_EQ(RunSelect(add).status, 0);
    return job;
}

// A disk with 100 bytes left: no page, picture or schedule fits.
TEST(OutputFilesTest, AFullDiskFailsEveryWriterAndLeavesNothing) {
    ScratchFolder folder;
    const fs::path job = MadeJob(folder);
    for (const char* suffix : {".pdf", ".svg", ".csv"}) {
        for (Words words : Writers(job)) {
            const bool picture = words[0] == "drawing" || words[0] == "chart";
            if ((std::string(suffix) == ".svg") != picture && std::string(suffix) != ".pdf") continue;
            if (std::string(suffix) == ".csv" && words[0] != "job") continue;
            const fs::path out = folder / ("out" + std::string(suffix));
            words.push_back(out.string());
            const SelectOutcome o = RunSelectWithFileLimit(words, 100);
            EXPECT_EQ(o.status, 2) << words[0] << suffix << ": " << o.err;
            EXPECT_NE(o.err.find("cannot"), std::string::npos) << words[0] << ": " << o.err;
            EXPECT_EQ(folder.Names(), (std::vector<std::string>{"job.zjob", "job.zjob~"})) << words[0] << suffix;
        }
    }
}

// A device, a folder or a text file of another kind is never written over.
TEST(OutputFilesTest, ANameOfAnotherKindIsRefused) {
    ScratchFolder folder;
    const fs::path job = MadeJob(folder);
    WriteBytes(folder / "notes.txt", "my notes");
    fs::create_directory(folder / "folder.pdf");
    for (const std::string& name : {std::string("/dev/full"), (folder / "folder.pdf").string()}) {
        for (Words words : Writers(job)) {
            words.push_back(name);
            const SelectOutcome o = RunSelect(words);
            EXPECT_EQ(o.status, 2) << words[0] << " " << name << ": " << o.err;
        }
    }
    Words compare = Writers(job)[3];
    compare.push_back((folder / "notes.txt").string());
    EXPECT_EQ(RunSelect(compare).status, 2);
    EXPECT_EQ(Bytes(folder / "notes.txt"), "my notes");
}

// A name that is not UTF-8 names that file, byte for byte: never the file
// whose name its bytes would be replaced with.
TEST(OutputFilesTest, ANameIsTakenByteForByte) {
    ScratchFolder folder;
    const fs::path job = MadeJob(folder);
    const std::string replaced = "\xef\xbf\xbd.pdf";  // what U+FFFD makes of the byte
    WriteBytes(folder / replaced, "my notes");
    for (Words words : Writers(job)) {
        const fs::path out = folder / "\xff.pdf";
        words.push_back(out.string());
        EXPECT_EQ(RunSelectWithBytes(words), 0) << words[0];
        EXPECT_TRUE(fs::is_regular_file(out)) << words[0];
        EXPECT_EQ(Bytes(folder / replaced), "my notes") << words[0];
        fs::remove(out);
    }
}

}  // namespace
}  // namespace zorvik::testing
