#pragma once
// The job as a schedule: one line per item with its duty, the chosen model
// and what it does there, every cell a text in the item's units as the
// selection window and the comparison show them. The command line prints
// it as a table or CSV; the window and the submittal lay out the same.

#include <cstddef>
#include <string>
#include <vector>

#include "item_figures.h"
#include "job.h"

namespace zorvik::job {

struct Schedule {
    std::vector<Text> headings;
    std::vector<std::vector<Text>> rows;  // one per item, a cell per heading
};

// A cell as a table shows it, in the translator's language, on one line
// (the engine's messages break theirs with "\r").
std::string CellText(const Text& cell, const Translator* translator);

// `results` holds each item's ComputeItem, in the job's order.
Schedule JobSchedule(const Job& job, const std::vector<ItemResult>& results);

// One item's line of the schedule, a cell per heading.
std::vector<Text> ScheduleRow(const JobItem& item, const ItemResult& result);
inline constexpr std::size_t ScheduleColumns = 10;

// The duty field by field, each text as typed with its unit, for a page
// that lists them: {"Air drive pressure", "100 psig"}, {"Drive air
// available", "unlimited"}, ...
struct DutyLine {
    Text label;
    Text value;
};
std::vector<DutyLine> DutyLines(const JobItem& item);

// The duty in one line, the texts as typed with their units:
//   "drive 100 psig, air 100 scfm, inlet 100 psig, outlet 200 psig, flow 2.00 scfm"
//   "drive 6.9 barg, air unlimited, inlet 6.9 barg, 6.9 to 68.9 barg, 28.3 litres"
Text DutyText(const JobItem& item);

// Empty for a listed model; else why the item has no figures or why its
// model would not be listed, in one line.
Text StatusText(const JobItem& item, const ItemResult& result);

}  // namespace zorvik::job
