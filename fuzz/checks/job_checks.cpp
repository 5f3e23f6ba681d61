// The reader of job files against what opening a job relies on: a file is
// taken whole or refused with a one-line message, a job taken can be
// computed and written back to the same job.

#include <cmath>
#include <string>

#include "item_figures.h"
#include "job_json.h"
#include "schedule.h"
#include "fuzz/checks/check.h"
#include "fuzz/checks/fuzz_checks.h"

namespace zorvik::fuzz {

void CheckJobFile(std::string_view data) {
    const job::JobParse read = job::ParseJobText(data);
    const std::string error = English(read.error);
    ZORVIK_REQUIRE(read.job.has_value() == error.empty(), "a job and a message, or neither");
    if (!read.job) {
        ZORVIK_REQUIRE(error.find('\n') == std::string::npos, "a message of more than one line: " + error);
        return;
    }
    const std::vector<job::ItemResult> results = job::ComputeJob(*read.job);
    for (const job::ItemResult& result : results)
        for (const auto& [name, value] : job::FiguresOf(result).numbers)
            ZORVIK_REQUIRE(std::isfinite(value), "figure " + name + " is not finite");
    ZORVIK_REQUIRE(job::JobSchedule(*read.job, results).rows.size() == read.job->items.size(),
                   "an item without a line");

    const job::JobParse again = job::ParseJobText(job::JobFileText(*read.job));
    ZORVIK_REQUIRE(again.job.has_value(), "a job written back does not read: " + English(again.error));
    ZORVIK_REQUIRE(*again.job == *read.job, "a job written back reads differently");
}

}  // namespace zorvik::fuzz
