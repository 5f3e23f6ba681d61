// Job files: every field survives a save and a reopening, every bad file is
// refused with its message and left as it was, and a save never loses the
// file that was there.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <system_error>

#include "item_figures.h"
#include "job_file.h"
#include "job_json.h"
#include "job_test_files.h"

namespace zorvik::job {
namespace {

using testing::Bytes;
using testing::ScratchFolder;
using testing::WriteBytes;

JobItem FlowItem() {
    JobItem item;
    item.tag = "B-101";
    item.model = 6;
    return item;
}

JobItem& AsFill(Job& job) {
    job.items[0].application = Application::Fill;
    return job.items[0];
}

// The schema's verdict on the written files of a folder (python3-jsonschema
// names each file that does not match).
bool MatchSchema(const std::filesystem::path& folder) {
    const std::string command = "python3 " ZORVIK_SOURCE_DIR "/tests/job/validate_job_file.py " ZORVIK_SOURCE_DIR
                                "/doc/job-format.schema.json '" +
                                folder.string() + "'/*.zjob";
    return std::system(command.c_str()) == 0;
}

TEST(JobFileTest, EveryFieldSurvivesSavingAndReopening) {
    const struct {
        const char* field;
        std::function<void(Job&)> set;
    } cases[] = {
        {"name", [](Job& j) { j.header.name = "Pump station \xE2\x80\x94 Nord"; }},
        {"customer", [](Job& j) { j.header.customer = "ACME \"Gas\" \\ Co"; }},
        {"reference", [](Job& j) { j.header.reference = "P-17"; }},
        {"engineer", [](Job& j) { j.header.engineer = "J. Smith"; }},
        {"revision", [](Job& j) { j.header.revision = "B"; }},
        {"date", [](Job& j) { j.header.date = "2025-03-14"; }},
        {"job notes", [](Job& j) { j.header.notes = "line one\nline two\ttab\x01"; }},
        {"office", [](Job& j) { j.header.office = "Deutschland"; }},
        {"specific power", [](Job& j) { j.header.cost.kwPer100Scfm = 20.5; }},
        {"hours", [](Job& j) { j.header.cost.hoursPerYear = 6000; }},
        {"price", [](Job& j) { j.header.cost.pricePerKwh = 0.1 + 0.2; }},
        {"inlet is plant air", [](Job& j) { j.header.cost.inletIsPlantAir = true; }},
        {"tag", [](Job& j) { j.items[0].tag = "\xE6\xB3\xB5-1"; }},
        {"quantity", [](Job& j) { j.items[0].quantity = MaxQuantity; }},
        {"no model", [](Job& j) { j.items[0].model.reset(); }},
        {"model", [](Job& j) { j.items[0].model = 15; }},
        {"item notes", [](Job& j) { j.items[0].notes = "spare"; }},
        {"metric", [](Job& j) { j.items[0].duty.units = UnitSystem::Metric; }},
        {"drive as typed", [](Job& j) { j.items[0].duty.drive = " 100.0 "; }},
        {"air", [](Job& j) { j.items[0].duty.air = "75.50"; }},
        {"inlet", [](Job& j) { j.items[0].duty.inlet = "60"; }},
        {"inlet equals drive", [](Job& j) { j.items[0].duty.inletEqualsDrive = true; }},
        {"outlet", [](Job& j) { j.items[0].duty.outlet = "1e3"; }},
        {"flow", [](Job& j) { j.items[0].duty.flow = "0.50"; }},
        {"ignore air", [](Job& j) { j.items[0].duty.ignoreAir = true; }},
        {"ignore flow", [](Job& j) { j.items[0].duty.ignoreFlow = true; }},
        {"a refused text", [](Job& j) { j.items[0].duty.outlet = "-5"; }},
        {"fill", [](Job& j) { j.items[0].application = Application::Fill; }},
        {"initial", [](Job& j) { AsFill(j).duty.initial = "3.5"; }},
        {"final", [](Job& j) { AsFill(j).duty.final = "200"; }},
        {"capacity", [](Job& j) { AsFill(j).duty.capacity = "50"; }},
        {"second item", [](Job& j) { j.items.push_back(j.items[0]); }},
        {"no items", [](Job& j) { j.items.clear(); }},
    };
    ScratchFolder folder;
    for (const auto& c : cases) {
        const auto file = folder / (std::string(c.field) + ".zjob");
        Job job;
        job.items.push_back(FlowItem());
        c.set(job);
        const Job typed = job;
        ASSERT_EQ(SaveJobFile(file, job, DiskStamp{}).status, SaveStatus::Saved) << c.field;
        const OpenedJob opened = OpenJobFile(file);
        ASSERT_TRUE(opened.job) << c.field << ": " << English(opened.error);
        EXPECT_EQ(*opened.job, job) << c.field;
        Job withoutFigures = *opened.job;
        for (JobItem& item : withoutFigures.items) item.savedFigures.reset();
        withoutFigures.savedByVersion.clear();
        EXPECT_EQ(withoutFigures, typed) << c.field;
    }
    EXPECT_TRUE(MatchSchema(folder / ""));
}

// The figures a file keeps are read back to the last bit, whatever they are.
TEST(JobFileTest, SavedFiguresReadBackExactly) {
    const ItemFigures cases[] = {
        {"", {{"flow_scfm", 0.1 + 0.2}, {"annual_cost", 1e300}, {"tiny", 4.9e-324}}, {{"listed", true}}},
        {"outlet_below_inlet", {}, {}},
        {"", {}, {{"air_limited", false}, {"equalised", true}}},
    };
    for (const ItemFigures& figures : cases) {
        Job job;
        job.items.push_back(FlowItem());
        job.items[0].savedFigures = figures;
        const JobParse read = ParseJobText(JobFileText(job));
        ASSERT_TRUE(read.job) << English(read.error);
        EXPECT_EQ(read.job->items[0].savedFigures, figures) << figures.refused;
    }
}

TEST(JobFileTest, BadFilesAreRefusedWithTheirMessage) {
    ScratchFolder folder;
    const auto file = folder / "bad.zjob";
    for (const testing::BadJobFile& bad : testing::BadJobFiles()) {
        WriteBytes(file, bad.bytes);
        const OpenedJob opened = OpenJobFile(file);
        EXPECT_FALSE(opened.job) << bad.what;
        EXPECT_TRUE(testing::MessageMatches(opened.error, bad.message)) << bad.what << ": " << English(opened.error);
        EXPECT_EQ(Bytes(file), bad.bytes) << bad.what;
    }
}

// The system's own words, in the desktop's language.
std::string NoSuchFile() { return std::generic_category().message(ENOENT); }

TEST(JobFileTest, WhatIsNoFileIsRefused) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "folder.zjob");
    const struct {
        std::filesystem::path path;
        std::string message;
    } cases[] = {
        {folder / "missing.zjob", "The file cannot be opened: " + NoSuchFile() + "."},
        {folder / "folder.zjob", "The file is a folder, not a job file."},
        {"/dev/null", "The file is not a regular file."},
    };
    for (const auto& c : cases) EXPECT_EQ(English(OpenJobFile(c.path).error), c.message) << c.path;
}

TEST(JobFileTest, SavesKeepThePreviousFileAndRefuseAFileChangedSince) {
    ScratchFolder folder;
    const auto file = folder / "job.zjob";
    Job job;
    job.header.name = "first";
    ASSERT_EQ(SaveJobFile(file, job, DiskStamp{}).status, SaveStatus::Saved);
    const std::string first = Bytes(file);

    // A new job is not saved over a file of the same name.
    Job other;
    const SaveOutcome clash = SaveJobFile(file, other, DiskStamp{});
    EXPECT_EQ(clash.status, SaveStatus::ChangedOnDisk);
    EXPECT_EQ(English(clash.message), "A file of that name exists already.");

    OpenedJob opened = OpenJobFile(file);
    opened.job->header.name = "second";
    ASSERT_EQ(SaveJobFile(file, *opened.job, opened.stamp).status, SaveStatus::Saved);
    EXPECT_EQ(Bytes(BackupPath(file)), first);

    // Someone else's edit since the opening is not overwritten...
    WriteBytes(file, Bytes(file) + " ");
    const std::string edited = Bytes(file);
    const SaveOutcome refused = SaveJobFile(file, *opened.job, opened.stamp);
    EXPECT_EQ(refused.status, SaveStatus::ChangedOnDisk);
    EXPECT_EQ(English(refused.message), "The file has changed on disk since it was opened.");
    EXPECT_EQ(Bytes(file), edited);
    // ...unless the user says so.
    EXPECT_EQ(SaveJobFile(file, *opened.job, opened.stamp, true).status, SaveStatus::Saved);
    EXPECT_EQ(Bytes(BackupPath(file)), edited);
    EXPECT_EQ((std::vector<std::string>{"job.zjob", "job.zjob~"}), folder.Names());
}

TEST(JobFileTest, AFailedSaveWritesNothing) {
    ScratchFolder folder;
    const auto file = folder / "job.zjob";
    Job job;
    ASSERT_EQ(SaveJobFile(file, job, DiskStamp{}).status, SaveStatus::Saved);
    OpenedJob opened = OpenJobFile(file);
    const std::string before = Bytes(file);
    std::filesystem::create_directory(BackupPath(file));  // the backup cannot be written

    const struct {
        const char* what;
        std::function<void(Job&)> change;
        std::string message;
    } cases[] = {
        {"no backup", [](Job&) {}, "The previous file cannot be kept as job.zjob~: ..."},
        {"not UTF-8", [](Job& j) { j.header.name = "\xFF"; }, "A text of the job is not UTF-8, so it cannot be saved."},
        {"too large", [](Job& j) { j.header.notes.assign(MaxJobFileBytes, 'x'); },
         "The job is too large for a job file (at most 16 MiB)."},
    };
    for (const auto& c : cases) {
        Job changed = *opened.job;
        c.change(changed);
        const SaveOutcome outcome = SaveJobFile(file, changed, opened.stamp);
        EXPECT_EQ(outcome.status, SaveStatus::Failed) << c.what;
        EXPECT_TRUE(testing::MessageMatches(outcome.message, c.message)) << c.what << ": " << English(outcome.message);
        EXPECT_EQ(Bytes(file), before) << c.what;
        EXPECT_EQ((std::vector<std::string>{"job.zjob", "job.zjob~"}), folder.Names()) << c.what;
    }
    EXPECT_EQ(English(SaveJobFile(folder / "no folder" / "job.zjob", job, DiskStamp{}).message),
              "The file cannot be written: " + NoSuchFile() + ".");
}

// A job read from a file within the limit can always be written back: when
// the indents would take it over, the text goes without them.
TEST(JobFileTest, AJobTooLargeForIndentsIsWrittenCompact) {
    Job job;
    job.items.assign(20, FlowItem());
    const std::string indented = JobFileText(job);
    const std::string compact = JobFileText(job, indented.size() - 1);
    EXPECT_LT(compact.size(), indented.size());
    EXPECT_EQ(compact.find("\n "), std::string::npos) << "no indented lines";
    EXPECT_EQ(JobFileText(job, indented.size()), indented) << "indents while they fit";
    const JobParse read = ParseJobText(compact);
    ASSERT_TRUE(read.job) << English(read.error);
    EXPECT_EQ(*read.job, job);
}

TEST(JobFileTest, ASaveThroughALinkReplacesTheFileItPointsAt) {
    ScratchFolder folder;
    Job job;
    ASSERT_EQ(SaveJobFile(folder / "real.zjob", job, DiskStamp{}).status, SaveStatus::Saved);
    std::filesystem::create_symlink("real.zjob", folder / "link.zjob");
    OpenedJob opened = OpenJobFile(folder / "link.zjob");
    opened.job->header.name = "through the link";
    ASSERT_EQ(SaveJobFile(folder / "link.zjob", *opened.job, opened.stamp).status, SaveStatus::Saved);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.zjob"));
    EXPECT_EQ(OpenJobFile(folder / "real.zjob").job->header.name, "through the link");
}

}  // namespace
}  // namespace zorvik::job

namespace zorvik::job {
namespace {

using testing::FileWithItem;
using testing::kFlowItem;
using testing::Replaced;

std::size_t Count(const std::string& text, const std::string& word) {
    std::size_t n = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
    return n;
}

// An item says for itself whether its gas is drive air; a file from before
// the key follows the job's cost settings, and only air ever counts.
TEST(JobFileTest, AnItemsOwnWordOnPlantAirDecidesItsCost) {
    const struct {
        const char* jobWide;  // the job's "inlet_is_plant_air"
        const char* itemKey;  // the item's duty key, or "" for none
        const char* gas;
        bool counted;
    } cases[] = {
        {"false", "", "air", false},          {"true", "", "air", true},
        {"false", "true", "air", true},       {"true", "false", "air", false},
        {"false", "true", "nitrogen", false},
    };
    for (const auto& c : cases) {
        std::string item =
            Replaced(kFlowItem, R"("flow": "2")", std::string(R"("flow": "2", "gas": ")") + c.gas + "\"");
        if (*c.itemKey != '\0')
            item = Replaced(item, R"("flow": "2")", std::string(R"("flow": "2", "inlet_is_plant_air": )") + c.itemKey);
        const std::string file =
            Replaced(FileWithItem(item), R"("name": "J")",
                     std::string(R"("name": "J", "cost": {"inlet_is_plant_air": )") + c.jobWide + "}");
        const JobParse read = ParseJobText(file);
        ASSERT_TRUE(read.job) << English(read.error);
        const Job& job = *read.job;
        const FlowComparisonRow row = *ComputeItem(job.items[0], job.header.cost).flow;
        EXPECT_DOUBLE_EQ(row.dutyTotalAirScfm - row.duty.unitsDriveAirScfm, c.counted ? 2 : 0)
            << c.jobWide << " " << c.itemKey << " " << c.gas;
        // Written back as it was read: no key is added where there was none.
        const JobParse again = ParseJobText(JobFileText(job));
        ASSERT_TRUE(again.job) << English(again.error);
        EXPECT_EQ(again.job->items[0].duty.inletIsPlantAir, job.items[0].duty.inletIsPlantAir) << c.itemKey;
        EXPECT_EQ(Count(JobFileText(job), "inlet_is_plant_air"), *c.itemKey != '\0' ? 2u : 1u) << c.itemKey;
    }
    const std::string fill =
        R"({"tag": "V-1", "application": "fill", "duty": {"drive": "100", "air": "100", "inlet": "100",)"
        R"( "initial": "100", "final": "1000", "capacity": "1", "inlet_is_plant_air": true}})";
    EXPECT_FALSE(ParseJobText(FileWithItem(fill)).job) << "a fill has no gas flow to count";
}

}  // namespace
}  // namespace zorvik::job

namespace zorvik::job {
namespace {

// The document's example is a file the program would have written: it reads,
// and every figure it keeps agrees with the figures of now.
TEST(JobFileTest, TheDocumentsExamplePassesTheCheck) {
    const std::string document = testing::Bytes(std::filesystem::path(ZORVIK_SOURCE_DIR) / "doc" / "job-format.md");
    const std::size_t start = document.find("```json\n");
    ASSERT_NE(start, std::string::npos);
    const std::size_t end = document.find("```", start + 8);
    const JobParse read = ParseJobText(document.substr(start + 8, end - start - 8));
    ASSERT_TRUE(read.job) << English(read.error);
    for (const JobItem& item : read.job->items) {
        ASSERT_TRUE(item.savedFigures) << item.tag;
        EXPECT_TRUE(ChangedFigures(*item.savedFigures, ComputeFigures(item, read.job->header.cost)).empty())
            << item.tag;
    }
}

}  // namespace
}  // namespace zorvik::job

namespace zorvik::job {
namespace {

// JSON Schema cannot tell 6.0 from 6, so neither does the reader; a
// fraction is still no whole number.
TEST(JobFileTest, AWholeNumberWrittenWithAPointIsWhole) {
    using testing::FileWithItem;
    using testing::kFlowItem;
    using testing::Replaced;
    const struct {
        std::string file;
        bool reads;
    } cases[] = {
        {FileWithItem(Replaced(kFlowItem, R"("model": 6,)", R"("model": 6.0, "quantity": 2.0,)")), true},
        {Replaced(FileWithItem(kFlowItem), R"("version": 1)", R"("version": 1.0)"), true},
        {FileWithItem(Replaced(kFlowItem, R"("model": 6,)", R"("model": 6, "quantity": 2.5,)")), false},
        {FileWithItem(Replaced(kFlowItem, R"("model": 6,)", R"("model": 6.5,)")), false},
    };
    for (const auto& c : cases) {
        const JobParse read = ParseJobText(c.file);
        EXPECT_EQ(read.job.has_value(), c.reads) << c.file << ": " << English(read.error);
        EXPECT_TRUE(!read.job || read.job->items[0].model == 6) << c.file;
    }
}

}  // namespace
}  // namespace zorvik::job
