// zorvik-select job, run as built: an item's figures are those "compare"
// gives for its model at its duty, "check" tells a changed figure by exit
// status and line, and a command that cannot do what it was asked writes
// nothing.

#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "job_file.h"
#include "job_test_files.h"
#include "support/select_process.h"

namespace zorvik::testing {
namespace {

using Words = std::vector<std::string>;
using Json = nlohmann::ordered_json;

Words With(Words words, const Words& more) {
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

const Words kFlowDuty = {"--drive", "100", "--air", "10", "--inlet", "60", "--outlet", "1000", "--flow", "0.5"};
const Words kGas = {"--gas", "nitrogen", "--gas-temperature", "35", "--temperature-limit", "150"};
const Words kFillDuty = {"--drive", "6.9",     "--air", "2831.7",     "--inlet", "6.9",     "--initial",
                         "3",       "--final", "68.9",  "--capacity", "28.3",    "--metric"};

class JobCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunSelect({"job", "new", file_, "--name", "Station", "--price", "0.2"}).status, 0);
        ASSERT_EQ(
            RunSelect(With({"job", "add", file_, "--tag", "B-101", "--model", "9", "--application", "flow"}, kFlowDuty))
                .status,
            0);
        ASSERT_EQ(
            RunSelect(With({"job", "add", file_, "--tag", "V-1", "--model", "10", "--application", "fill"}, kFillDuty))
                .status,
            0);
    }
    ScratchFolder folder_;
    const std::string file_ = (folder_ / "job.zjob").string();
};

// Every key of the compare row, with the same value, for each item.
TEST_F(JobCommandTest, ShownFiguresAreThoseOfCompare) {
    const Words gasItem = {"job", "add", file_, "--tag", "G-1", "--model", "9", "--application", "flow"};
    ASSERT_EQ(RunSelect(With(gasItem, With(kFlowDuty, kGas))).status, 0);
    const Json shown = Json::parse(RunSelect({"job", "show", file_, "--format", "json"}).out);
    const struct {
        Words compare;
        std::size_t item;
    } cases[] = {
        {With({"compare", "--models", "9", "--price", "0.2", "--format", "json"}, kFlowDuty), 0},
        {With({"compare", "--application", "fill", "--models", "10", "--price", "0.2", "--format", "json"}, kFillDuty),
         1},
        {With(With({"compare", "--models", "9", "--price", "0.2", "--format", "json"}, kFlowDuty), kGas), 2},
    };
    for (const auto& c : cases) {
        const Json row = Json::parse(RunSelect(c.compare).out)["rows"][0];
        const Json& item = shown["items"][c.item];
        for (const auto& [key, value] : row.items()) EXPECT_EQ(item.value(key, Json()), value) << c.item << " " << key;
    }
    EXPECT_EQ(shown["name"], "Station");
    EXPECT_EQ(shown["items"][1]["units"], "metric");
    EXPECT_EQ(shown["items"][1]["equalised"], true);
    EXPECT_EQ(shown["items"][2]["gas"], "nitrogen");
}

TEST_F(JobCommandTest, CheckTellsAChangedFigure) {
    EXPECT_EQ(RunSelect({"job", "check", file_}).status, 0);
    const std::string saved = Bytes(file_);
    const struct {
        const char* what;
        std::string from, to;
        int status;
        std::string line;  // the line that names the change
    } cases[] = {
        {"a figure", "\"fill_minutes\": ", "\"fill_minutes\": 1", 1, "item 2 (V-1): fill_minutes was 1"},
        {"a fact", "\"listed\": true", "\"listed\": false", 1, "item 2 (V-1): listed was no, is now yes"},
        {"a duty typed anew", "\"flow\": \"0.5\"", "\"flow\": \"0.50\"", 0, ""},
        {"a different duty", "\"flow\": \"0.5\"", "\"flow\": \"0\"", 1,
         "item 1 (B-101): refused was none, is now flow_zero"},
    };
    for (const auto& c : cases) {
        WriteBytes(file_, Replaced(saved, c.from, c.to));
        const SelectOutcome run = RunSelect({"job", "check", file_});
        EXPECT_EQ(run.status, c.status) << c.what << ": " << run.out << run.err;
        EXPECT_NE(run.out.find(c.line), std::string::npos) << c.what << ": " << run.out;
    }
    Json json = Json::parse(saved);
    json["items"][0].erase("figures");
    WriteBytes(file_, json.dump());
    const SelectOutcome run = RunSelect({"job", "check", file_});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("item 1 (B-101): no figures saved"), std::string::npos) << run.out;
}

TEST_F(JobCommandTest, ReportWritesTheScheduleShown) {
    const std::string out = (folder_ / "schedule.csv").string();
    ASSERT_EQ(RunSelect({"job", "report", file_, "--out", out}).status, 0);
    EXPECT_EQ(Bytes(out), RunSelect({"job", "show", file_, "--format", "csv"}).out);
    EXPECT_EQ(Lines(Bytes(out)).size(), 3u);

    // The workbook holds the same texts (python3 reads its shared strings).
    const std::string book = (folder_ / "schedule.xlsx").string();
    ASSERT_EQ(RunSelect({"job", "report", file_, "--out", book}).status, 0);
    EXPECT_EQ(Bytes(book).substr(0, 4), "PK\x03\x04");
    const std::string read =
        "python3 -c \"import sys, zipfile; s = zipfile.ZipFile(sys.argv[1]).read('xl/sharedStrings.xml')"
        "; sys.exit(0 if b'V-1' in s and b'RBW-15' in s else 1)\" '" +
        book + "'";
    EXPECT_EQ(std::system(read.c_str()), 0);
}

// The submittal from the command line: a cover, the schedule, and each
// item's five pages, with nothing on stderr.
TEST_F(JobCommandTest, ReportWritesTheSubmittal) {
    const std::string pack = (folder_ / "pack.pdf").string();
    const SelectOutcome run = RunSelect({"job", "report", file_, "--out", pack});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Bytes(pack).substr(0, 5), "%PDF-");
    const std::string pages = "test \"$(pdfinfo '" + pack + "' | sed -n 's/^Pages: *//p')\" = 12";
    EXPECT_EQ(std::system(pages.c_str()), 0);
    for (const char* tag : {"Item B-101", "Item V-1"}) {
        const std::string found = "pdftotext '" + pack + "' - | grep -q '" + tag + "'";
        EXPECT_EQ(std::system(found.c_str()), 0) << tag;
    }
}

// A refused command leaves the job as it was and says why.
TEST_F(JobCommandTest, RefusedCommandsWriteNothing) {
    const std::string saved = Bytes(file_);
    const Words add = {"job", "add", file_, "--tag", "N-1", "--application"};
    // clang-format off
    const struct {
        Words words;
        std::string error;
    } cases[] = {
        {{"job", "new", file_, "--name", "again"}, "zorvik-select job new: " + file_ + ": A file of that name exists already. Nothing was written."},
        {With(With(add, {"flow"}), With(kFlowDuty, {"--model", "16"})), "zorvik-select job add: --model must be a whole number from 1 to 15"},
        {With(With(add, {"flow"}), With(kFlowDuty, {"--quantity", "0"})), "zorvik-select job add: --quantity must be a whole number from 1 to 99999"},
        {With({"job", "add", file_, "--tag", "B-101", "--application", "flow"}, kFlowDuty), "zorvik-select job add: " + file_ + ": the job has an item tagged \"B-101\" already"},
        {With(With(add, {"fill"}), kFlowDuty), "zorvik-select job add: --outlet is not a condition of fill"},
        {With(add, {"flow", "--drive", "100", "--air", "100", "--inlet", "100"}), "zorvik-select job add: an item of flow needs --outlet, --flow"},
        {With(add, {"flow", "--drive", "200", "--air", "100", "--inlet", "100", "--outlet", "200", "--flow", "2"}), "zorvik-select job add: Drive air pressure is too high!"},
        {With(add, {"flow", "--drive", "100", "--air", "1,5", "--inlet", "100", "--outlet", "200", "--flow", "2"}), "zorvik-select job add: air: 1,5 is not valid value"},
        {With(With(add, {"flow"}), With(kFlowDuty, {"--real-gas"})), "zorvik-select job add: --real-gas is not an option of flow"},
        {With(With(add, {"fill"}), With(kFillDuty, {"--gas", "xenon"})), "zorvik-select job add: --gas: unknown gas \"xenon\" (zorvik-select gases lists them)"},
        {{"job", "show", file_, "--format", "xml"}, "zorvik-select job show: --format must be table, csv or json"},
        {{"job", "report", file_, "--out", "pack.txt"}, "zorvik-select job report: --out must name a .pdf, .csv or .xlsx file"},
        {{"job", "show"}, "zorvik-select job show: the job FILE comes first"},
        {{"job", "print", file_}, "zorvik-select job: unknown word \"print\"; the words are new, add, show, check and report"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const SelectOutcome run = RunSelect(c.words);
        EXPECT_EQ(run.status, 2) << c.error;
        EXPECT_EQ(run.err, c.error + "\n");
        EXPECT_EQ(Bytes(file_), saved) << c.error;
    }
}

// Root may write any file, so another user's file is tried as "nobody": in
// a folder anyone may write, a file of root's, or one its owner made
// read-only, is left as it is, its owner too.
TEST_F(JobCommandTest, AFileTheUserMayNotWriteIsLeftAsItIs) {
    const std::string why = WhyNotAsAnotherUser();
    if (!why.empty()) GTEST_SKIP() << why;
    namespace fs = std::filesystem;
    fs::permissions(folder_ / "", fs::perms::all);
    const std::string mine = (folder_ / "mine.zjob").string();
    ASSERT_EQ(RunSelectAsAnotherUser({"job", "new", mine, "--name", "Mine"}).status, 0);
    fs::permissions(mine, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    for (const std::string& file : {file_, mine}) {
        const std::string before = Bytes(file);
        const auto owner = fs::status(file).permissions();
        const SelectOutcome run =
            RunSelectAsAnotherUser(With({"job", "add", file, "--tag", "N-1", "--application", "flow"}, kFlowDuty));
        EXPECT_EQ(run.status, 2) << file << ": " << run.err;
        EXPECT_NE(run.err.find("read-only for you"), std::string::npos) << run.err;
        EXPECT_EQ(Bytes(file), before) << file;
        EXPECT_EQ(fs::status(file).permissions(), owner) << file;
    }
}

TEST_F(JobCommandTest, ScheduleCellsNeverRunAsFormulas) {
    ASSERT_EQ(RunSelect(With({"job", "add", file_, "--tag", "=1+1", "--application", "flow"}, kFlowDuty)).status, 0);
    EXPECT_EQ(Lines(RunSelect({"job", "show", file_, "--format", "csv"}).out).back().substr(0, 8), "\"'=1+1\",");
}

// A tag with a NUL and an escape sequence: the table shows them escaped
// and goes on; CSV and JSON keep the text as it is.
TEST_F(JobCommandTest, ControlCharactersReachNoTerminal) {
    job::OpenedJob opened = job::OpenJobFile(file_);
    ASSERT_TRUE(opened.job);
    opened.job->items[0].tag = std::string("B\0-1\x1b[31m", 10);
    ASSERT_EQ(job::SaveJobFile(file_, *opened.job, opened.stamp).status, job::SaveStatus::Saved);
    const std::string table = RunSelect({"job", "show", file_}).out;
    EXPECT_NE(table.find("B\\x00-1\\x1b[31m"), std::string::npos) << table;
    EXPECT_EQ(table.find('\x1b'), std::string::npos);
    EXPECT_NE(table.find("V-1"), std::string::npos) << "the rows after it are there";
    EXPECT_NE(RunSelect({"job", "show", file_, "--format", "json"}).out.find("B\\u0000-1\\u001b[31m"),
              std::string::npos);
}

}  // namespace
}  // namespace zorvik::testing
