#pragma once
// A job as values: one customer's set of duties (line items), each with its
// tag, quantity, application and the duty exactly as the user typed it, the
// model chosen for it and the figures it had when the job was last saved.
// No Qt and no shared state: the command line, the tests and the windows
// all hold a Job the same way.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "running_cost.h"
#include "typed_duty.h"

namespace zorvik::job {

using zorvik::Application;
using zorvik::UnitSystem;

// The duty exactly as typed (typed_duty.h), "." as decimal point.
using ItemDuty = TypedDuty;

// What an item's figures were, or are: what stops its duty, as a code (the
// refused field's name or the failed check's, ReadingCode; empty when the
// duty reads and validates), the chosen model's figures by
// the names of the comparison's JSON keys (a figure with no value is
// absent) and its yes/no facts.
struct ItemFigures {
    std::string refused;
    std::map<std::string, double> numbers;
    std::map<std::string, bool> flags;

    bool operator==(const ItemFigures&) const = default;
};

struct JobItem {
    std::string tag;  // the customer's reference, such as "B-101"
    int quantity = 1;
    Application application = Application::Flow;
    ItemDuty duty;
    std::optional<int> model;  // 1..15; nothing before one is chosen
    std::string notes;
    std::optional<ItemFigures> savedFigures;  // as at the last save; nothing for an item never saved

    bool operator==(const JobItem&) const = default;
};

struct JobHeader {
    std::string name;
    std::string customer;
    std::string reference;  // the customer's site or project reference
    std::string engineer;
    std::string revision;
    std::string date;
    std::string notes;
    std::string office;  // region name of the office whose contact lines the pages carry; empty: the one chosen
    CostSettings cost;

    bool operator==(const JobHeader&) const = default;
};

struct Job {
    JobHeader header;
    std::vector<JobItem> items;
    std::string savedByVersion;  // the program version that wrote the file; empty for a new job

    bool operator==(const Job&) const = default;
};

// Quantities an item may have.
inline constexpr int MinQuantity = 1;
inline constexpr int MaxQuantity = 99999;

const char* ApplicationName(Application application);  // "flow", "fill"
const char* UnitSystemName(UnitSystem units);          // "imperial", "metric"

}  // namespace zorvik::job
