// job show and check: the words that only read a job file and print. Every
// figure is computed now from the items' duties; the figures in the file
// are only what check compares with.

#include <cstdio>

#include "arguments.h"
#include "fixed_format.h"
#include "item_figures.h"
#include "job_output.h"
#include "job_subcommands.h"
#include "schedule.h"

namespace zorvik::cli {
namespace {

// "item 3 (B-101)", as check names an item.
std::string ItemName(std::size_t index, const job::JobItem& item) {
    return "item " + WholeNumber(index + 1) + " (" + item.tag + ")";
}

// The lines of what differs in one item; none when everything agrees.
std::vector<std::string> ChangesOf(std::size_t index, const job::JobItem& item, const CostSettings& cost) {
    const std::string name = ItemName(index, item);
    if (!item.savedFigures) return {name + ": no figures saved"};
    std::vector<std::string> lines;
    for (const job::FigureChange& c : job::ChangedFigures(*item.savedFigures, job::ComputeFigures(item, cost))) {
        std::string line = name + ": " + c.name + " was " + c.saved + ", is now " + c.now;
        for (char& ch : line)
            if (ch == '\r' || ch == '\n') ch = ' ';
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

int RunJobShow(const std::string& file, const Words& args, const Translator*) {
    std::string error;
    const auto parsed = ParseArguments(args, {{"format", true}}, error);
    if (!parsed) return JobUsageError("show", error);
    const std::string format = parsed->Value("format", "table");
    if (format != "table" && format != "csv" && format != "json")
        return JobUsageError("show", "--format must be table, csv or json");
    const auto opened = OpenJobOrSay("show", file);
    if (!opened) return ExitFailed;
    const job::Job& job = *opened->job;
    const auto results = job::ComputeJob(job);
    if (format == "json")
        std::fputs(JobJson(job, results).c_str(), stdout);
    else if (format == "csv")
        std::fputs(ScheduleCsv(job::JobSchedule(job, results), nullptr).c_str(), stdout);
    else
        std::fputs(JobTable(job, job::JobSchedule(job, results)).c_str(), stdout);
    return ExitOk;
}

int RunJobCheck(const std::string& file, const Words& args, const Translator*) {
    std::string error;
    if (!ParseArguments(args, {}, error)) return JobUsageError("check", error);
    const auto opened = OpenJobOrSay("check", file);
    if (!opened) return ExitFailed;
    const job::Job& job = *opened->job;
    std::vector<std::string> changes;
    for (std::size_t i = 0; i < job.items.size(); ++i)
        for (std::string& line : ChangesOf(i, job.items[i], job.header.cost)) changes.push_back(std::move(line));
    const std::string savedBy = job.savedByVersion.empty() ? "an unknown version" : "version " + job.savedByVersion;
    if (changes.empty()) {
        std::printf("%zu items: every figure agrees with those saved by %s.\n", job.items.size(), savedBy.c_str());
        return ExitOk;
    }
    std::printf("Figures that differ from those saved by %s (this is version %s):\n", savedBy.c_str(),
                job::ProgramVersion());
    for (const std::string& line : changes) std::printf("%s\n", line.c_str());
    return ExitFiguresChanged;
}

}  // namespace zorvik::cli
