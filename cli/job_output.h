#pragma once
// What "job show" and "job report" print: the schedule lined up or as CSV,
// and the job as JSON with each item's chosen model under the keys of
// "compare --format json".

#include <string>
#include <vector>

#include "item_figures.h"
#include "job.h"
#include "schedule.h"

namespace zorvik::cli {

// The job's header lines, then the schedule with its columns lined up.
std::string JobTable(const job::Job& job, const job::Schedule& schedule);

// The schedule alone: a heading line, then a line per item; every cell
// quoted, quotes doubled, and a cell a spreadsheet would run as a formula
// ("=...", "+...", "-...", "@...") kept as text by a leading apostrophe.
std::string ScheduleCsv(const job::Schedule& schedule, const Translator* reader);

std::string JobJson(const job::Job& job, const std::vector<job::ItemResult>& results);

}  // namespace zorvik::cli
