// job new and job add: the two words that write a job file. Both save
// through the job library, which refuses to replace a file that is not the
// one they read (or, for new, any file at all).

#include <algorithm>
#include <cmath>

#include "arguments.h"
#include "cost_options.h"
#include "catalogue.h"
#include "fixed_format.h"
#include "gas_options.h"
#include "typed_duty.h"
#include "job_subcommands.h"
#include "moisture.h"
#include "number_text.h"
#include "units.h"

namespace zorvik::cli {
namespace {

using job::Application;

const char* const kHeaderOptions[] = {"name", "customer", "reference", "engineer", "revision", "date"};
const std::vector<std::string> kFlowFields = {"drive", "air", "inlet", "outlet", "flow"};
const std::vector<std::string> kFillFields = {"drive", "air", "inlet", "initial", "final", "capacity"};
const std::vector<std::string> kDutyFields = {"drive", "air",     "inlet", "outlet",
                                              "flow",  "initial", "final", "capacity"};
const char* const kItemOptions[] = {"tag", "quantity", "model", "notes", "application"};
const char* const kDutySwitches[] = {"metric", "ignore-air", "ignore-flow", "inlet-equals-drive", "inlet-is-plant-air"};

int Save(const char* word, const std::string& file, job::Job& job, const job::DiskStamp& expected) {
    const job::SaveOutcome saved = job::SaveJobFile(file, job, expected);
    if (saved.status == job::SaveStatus::Saved) return ExitOk;
    return JobFileError(word, file, saved.message + " Nothing was written.");
}

std::vector<OptionSpec> NewOptions() {
    std::vector<OptionSpec> options = {{"inlet-is-plant-air", false}};
    for (const char* o : kHeaderOptions) options.push_back({o, true});
    for (const char* o : CostOptionNames) options.push_back({o, true});
    return options;
}

std::vector<OptionSpec> AddOptions() {
    std::vector<OptionSpec> options;
    for (const char* o : kItemOptions) options.push_back({o, true});
    for (const std::string& f : kDutyFields) options.push_back({f, true});
    for (const char* s : kDutySwitches) options.push_back({s, false});
    for (const OptionSpec& o : GasOptionSpecs()) options.push_back(o);
    return options;
}

// The conditions are exactly those of the application (the inlet may come
// from the drive instead); the other application's are errors.
bool CheckDutyOptions(Application application, const Arguments& parsed, std::string& error) {
    const bool flow = application == Application::Flow;
    const char* name = flow ? "flow" : "fill";
    const std::vector<std::string>& own = flow ? kFlowFields : kFillFields;
    const bool inletFromDrive = parsed.Has("inlet-equals-drive");
    for (const std::string& f : kDutyFields)
        if (error.empty() && parsed.Has(f) && std::find(own.begin(), own.end(), f) == own.end())
            error = "--" + f + " is not a condition of " + name;
    if (error.empty() && !flow && parsed.Has("ignore-flow")) error = "--ignore-flow is not an option of fill";
    if (error.empty() && flow && parsed.Has("real-gas")) error = "--real-gas is not an option of flow";
    if (error.empty() && !flow && parsed.Has("inlet-is-plant-air"))
        error = "--inlet-is-plant-air is not an option of fill";
    if (error.empty() && inletFromDrive && parsed.Has("inlet"))
        error = "--inlet-equals-drive takes the inlet from --drive; give no --inlet";
    std::string missing;
    for (const std::string& f : own)
        if (!parsed.Has(f) && !(f == "inlet" && inletFromDrive)) missing += (missing.empty() ? "--" : ", --") + f;
    if (error.empty() && !missing.empty()) error = std::string("an item of ") + name + " needs " + missing;
    return error.empty();
}

job::ItemDuty DutyOf(const Arguments& parsed) {
    job::ItemDuty d;
    d.units = parsed.Has("metric") ? job::UnitSystem::Metric : job::UnitSystem::Imperial;
    d.inletEqualsDrive = parsed.Has("inlet-equals-drive");
    d.ignoreAir = parsed.Has("ignore-air");
    d.ignoreFlow = parsed.Has("ignore-flow");
    if (parsed.Has("inlet-is-plant-air")) d.inletIsPlantAir = true;
    std::string* fields[] = {&d.drive, &d.air, &d.inlet, &d.outlet, &d.flow, &d.initial, &d.final, &d.capacity};
    for (std::size_t i = 0; i < kDutyFields.size(); ++i) *fields[i] = parsed.Value(kDutyFields[i], *fields[i]);
    if (d.inletEqualsDrive) d.inlet = d.drive;
    return d;
}

// A temperature given in degC, as the item's field holds it: degF unless
// the item is metric; a whole number prints without decimals.
std::string TemperatureText(double celsius, bool metric) {
    const double value = metric ? celsius : units::FahrenheitOf(celsius);
    return ShortestNumber(std::round(value * 1e9) / 1e9);
}

// The gas options of flow and fill, kept in the item's units.
bool ReadItemGas(const Arguments& parsed, job::ItemDuty& d, std::string& error) {
    const std::optional<GasOptions> gas = ReadGasOptions(parsed, error);
    if (!gas) return false;
    const bool metric = d.units == job::UnitSystem::Metric;
    d.gas = std::string(Properties(gas->gas).name);
    if (parsed.Has("gas-temperature")) d.gasTemperature = TemperatureText(gas->celsius, metric);
    if (gas->limitCelsius) d.temperatureLimit = TemperatureText(*gas->limitCelsius, metric);
    d.realGas = gas->realGas;
    return true;
}

std::optional<int> WholeOption(const Arguments& parsed, const char* name, int low, int high, std::string& error) {
    const auto n = ParseWholeNumber(parsed.Value(name));
    if (n && *n >= low && *n <= high) return n;
    error = std::string("--") + name + " must be a whole number from " + WholeNumber(low) + " to " + WholeNumber(high);
    return std::nullopt;
}

// The item as the options give it, or nothing and why.
std::optional<job::JobItem> ItemOf(const Arguments& parsed, std::string& error) {
    job::JobItem item;
    item.tag = parsed.Value("tag");
    if (item.tag.empty()) error = "--tag must not be empty";
    const std::string application = parsed.Value("application");
    if (application != "flow" && application != "fill") error = "--application must be flow or fill";
    if (!error.empty()) return std::nullopt;
    item.application = application == "fill" ? Application::Fill : Application::Flow;
    if (!CheckDutyOptions(item.application, parsed, error)) return std::nullopt;
    if (parsed.Has("quantity")) {
        const auto quantity = WholeOption(parsed, "quantity", job::MinQuantity, job::MaxQuantity, error);
        if (!quantity) return std::nullopt;
        item.quantity = *quantity;
    }
    if (parsed.Has("model") && !(item.model = WholeOption(parsed, "model", 1, PumpCount, error))) return std::nullopt;
    item.notes = parsed.Value("notes");
    item.duty = DutyOf(parsed);
    if (!ReadItemGas(parsed, item.duty, error)) return std::nullopt;
    // An item is added only when it can be computed; the file can hold one
    // that cannot, but a script should hear about it now.
    error = English(ReadTypedDuty(item.application, item.duty).problem);
    for (char& c : error)
        if (c == '\r') c = ' ';
    if (!error.empty()) return std::nullopt;
    return item;
}

bool TagIsNew(const job::Job& job, const std::string& tag, std::string& error) {
    for (const job::JobItem& item : job.items)
        if (item.tag == tag) error = "the job has an item tagged \"" + tag + "\" already";
    return error.empty();
}

}  // namespace

int RunJobNew(const std::string& file, const Words& args, const Translator*) {
    std::string error;
    const auto parsed = ParseArguments(args, NewOptions(), error);
    if (!parsed) return JobUsageError("new", error);
    if (!parsed->Has("name")) return JobUsageError("new", "needs --name");
    job::Job job;
    std::string* fields[] = {&job.header.name,     &job.header.customer, &job.header.reference,
                             &job.header.engineer, &job.header.revision, &job.header.date};
    for (std::size_t i = 0; i < std::size(kHeaderOptions); ++i) *fields[i] = parsed->Value(kHeaderOptions[i]);
    if (!ReadCostOptions(*parsed, job.header.cost, error)) return JobUsageError("new", error);
    return Save("new", file, job, job::DiskStamp{});
}

int RunJobAdd(const std::string& file, const Words& args, const Translator*) {
    std::string error;
    const auto parsed = ParseArguments(args, AddOptions(), error);
    if (!parsed) return JobUsageError("add", error);
    if (!parsed->Has("tag") || !parsed->Has("application"))
        return JobUsageError("add", "needs --tag and --application");
    const auto item = ItemOf(*parsed, error);
    if (!item) return JobUsageError("add", error);
    auto opened = OpenJobOrSay("add", file);
    if (!opened) return ExitFailed;
    if (!TagIsNew(*opened->job, item->tag, error)) return JobFileError("add", file, error);
    opened->job->items.push_back(*item);
    return Save("add", file, *opened->job, opened->stamp);
}

}  // namespace zorvik::cli
