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

namespace zorvik::job {

enum class Application { Flow, Fill };
enum class UnitSystem { Imperial, Metric };

// The duty as typed into the selection window's fields: texts in the units
// of `units` ("." as decimal point), never converted, so a reopened job
// shows exactly what was typed. Only the fields of the item's application
// are used; the others keep their window defaults.
struct ItemDuty {
    UnitSystem units = UnitSystem::Imperial;
    std::string drive = "100";      // psig / barg
    std::string air = "100";        // drive air available, scfm / nl/min
    std::string inlet = "100";      // psig / barg
    std::string outlet = "200";     // flow: psig / barg
    std::string flow = "2.00";      // flow: required, scfm / nl/min
    std::string initial = "100";    // fill: psig / barg
    std::string final = "1000";     // fill: psig / barg
    std::string capacity = "1.00";  // fill: cubic feet / litres
    bool inletEqualsDrive = false;  // the inlet is the drive air supply: its text is the drive's
    bool ignoreAir = false;         // drive air unlimited
    bool ignoreFlow = false;        // flow: no required flow, every model that delivers is listed
    // The gas, as the command line spells it, and its temperatures in degF,
    // or degC when metric, as the window's gas controls hold them.
    std::string gas = "air";
    std::string gasTemperature;    // the gas inlet, and the vessel's for a fill; empty: 20 degC
    std::string temperatureLimit;  // a discharge temperature no model should pass; empty: none
    bool realGas = false;          // fill: the vessel's contents counted with the real-gas model
    // Flow: the gas boosted is taken from the drive air supply, so its flow
    // is compressor air too (counted only when the gas is air); nothing:
    // as the job's cost settings say, as files before this key read.
    std::optional<bool> inletIsPlantAir;

    bool operator==(const ItemDuty&) const = default;
};

// What an item's figures were, or are: the message that stops its duty
// (empty when the duty reads and validates), the chosen model's figures by
// the names of the comparison's JSON keys (a figure with no value is
// absent) and its yes/no facts.
struct ItemFigures {
    std::string problem;
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
