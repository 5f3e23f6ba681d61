#include "schedule.h"

#include <iterator>
#include <optional>

#include "catalogue.h"
#include "comparison_units.h"
#include "fixed_format.h"
#include "gases.h"

namespace zorvik::job {
namespace {

constexpr int kPrecision = 7;

// clang-format off
const char* const kHeadings[] = {
    "Tag", "Qty", "Application", "Duty", "Model", "Delivers", "Drive air", "Cycles/min", "Running cost", "Status",
};
// clang-format on
static_assert(std::size(kHeadings) == ScheduleColumns);

std::string Typed(const std::string& text, const char* unit) { return text + " " + unit; }

// Engine messages break their lines with "\r"; a cell is one line.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

std::string Money(double value) { return FormatFixed(value, kPrecision, 2); }

// The figures of the duty, not of the model flat out: the flow asked for,
// with the air and speed it takes and what that air costs. A model that
// can't be sized for the duty has none; its status says why.
std::vector<std::string> FlowCells(const FlowComparisonRow& r, bool metric) {
    const FlowDutyPoint& d = r.duty;
    if (!d.Sized()) return {"", "", "", ""};
    return {GasFlowText(d.dutyFlowScfm, metric), DriveAirText(d.unitsDriveAirScfm, metric),
            FormatFixed(d.dutyCyclesPerMin, kPrecision, 0), Money(r.annualCost) + " a year"};
}

std::vector<std::string> FillCells(const ChargeComparisonRow& r, bool metric) {
    const ChargeCandidate& c = r.candidate;
    if (!c.charged) return {"", "", "", ""};
    return {MinutesText(c.fillMinutes), DriveAirText(c.AverageAirScfm(), metric),
            FormatFixed(c.averageCyclesPerMin, kPrecision, 0), Money(r.costPerFill) + " a fill"};
}

// The catalogue's name without the blanks that pad its ratio text.
std::string ModelName(int model) {
    std::string name = CatalogueRow(model).DisplayName();
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

std::vector<std::string> FigureCells(const ItemResult& result, bool metric) {
    if (result.flow) return FlowCells(*result.flow, metric);
    if (result.fill) return FillCells(*result.fill, metric);
    return {"", "", "", ""};
}

const char* TemperatureUnit(bool metric) { return metric ? "\u00b0C" : "\u00b0F"; }

// The gas's name as pages write it; a name the program does not know as
// the file has it (the item's status says so).
std::string GasName(const ItemDuty& d) {
    const std::optional<Gas> gas = GasNamed(d.gas);
    return gas ? std::string(Properties(*gas).displayName) : d.gas;
}

// "Nitrogen at 68 degF"; the standard 20 degC where none was typed.
std::string GasLine(const ItemDuty& d) {
    const bool metric = d.units == UnitSystem::Metric;
    const std::string standard = metric ? "20" : "68";
    const bool typed = d.gasTemperature.find_first_not_of(' ') != std::string::npos;
    return GasName(d) + " at " + Typed(typed ? d.gasTemperature : standard, TemperatureUnit(metric));
}

}  // namespace

std::string DutyText(const JobItem& item) {
    const ItemDuty& d = item.duty;
    const bool metric = d.units == UnitSystem::Metric;
    const char* pressure = PressureUnit(metric);
    const std::string& inlet = d.inletEqualsDrive ? d.drive : d.inlet;
    const std::string gas = d.gas == "air" ? std::string() : GasName(d) + ", ";
    std::string text = gas + "drive " + Typed(d.drive, pressure) + ", air " +
                       (d.ignoreAir ? std::string("unlimited") : Typed(d.air, GasFlowUnit(metric))) + ", inlet " +
                       Typed(inlet, pressure) + ", ";
    if (item.application == Application::Flow)
        return text + "outlet " + Typed(d.outlet, pressure) + ", flow " +
               (d.ignoreFlow ? std::string("any") : Typed(d.flow, GasFlowUnit(metric)));
    return text + d.initial + " to " + Typed(d.final, pressure) + ", " + Typed(d.capacity, metric ? "litres" : "ft3");
}

std::string StatusText(const JobItem& item, const ItemResult& result) {
    if (!result.reading.Readable()) return OneLine(result.reading.problem);
    const std::string equalised = result.reading.equalised ? "equalised to the inlet pressure first" : "";
    const std::string reason = result.flow ? result.flow->reason : result.fill ? result.fill->reason : "";
    std::string status = item.model ? OneLine(reason) : "no model chosen";
    if (!status.empty() && !equalised.empty()) status += "; ";
    return status + equalised;
}

std::vector<std::string> ScheduleRow(const JobItem& item, const ItemResult& result) {
    const bool metric = item.duty.units == UnitSystem::Metric;
    std::vector<std::string> row = {OneLine(item.tag), std::to_string(item.quantity), ApplicationName(item.application),
                                    OneLine(DutyText(item)), item.model ? ModelName(*item.model) : ""};
    for (std::string& cell : FigureCells(result, metric)) row.push_back(std::move(cell));
    row.push_back(StatusText(item, result));
    return row;
}

Schedule JobSchedule(const Job& job, const std::vector<ItemResult>& results) {
    Schedule schedule;
    schedule.headings.assign(std::begin(kHeadings), std::end(kHeadings));
    for (std::size_t i = 0; i < job.items.size(); ++i) schedule.rows.push_back(ScheduleRow(job.items[i], results[i]));
    return schedule;
}

std::vector<DutyLine> DutyLines(const JobItem& item) {
    const ItemDuty& d = item.duty;
    const bool metric = d.units == UnitSystem::Metric;
    const char* pressure = PressureUnit(metric);
    std::vector<DutyLine> lines = {
        {"Air drive pressure", Typed(d.drive, pressure)},
        {"Drive air available",
         d.ignoreAir ? "unlimited (the air available is ignored)" : Typed(d.air, GasFlowUnit(metric))},
        {"Gas inlet pressure",
         d.inletEqualsDrive ? Typed(d.drive, pressure) + ", the air drive pressure" : Typed(d.inlet, pressure)},
    };
    if (item.application == Application::Flow) {
        lines.push_back({"Outlet pressure", Typed(d.outlet, pressure)});
        lines.push_back(
            {"Required flow", d.ignoreFlow ? "any (the flow rate is ignored)" : Typed(d.flow, GasFlowUnit(metric))});
    } else {
        lines.push_back({"Initial vessel pressure", Typed(d.initial, pressure)});
        lines.push_back({"Final vessel pressure", Typed(d.final, pressure)});
        lines.push_back({"Vessel capacity", Typed(d.capacity, metric ? "litres" : "ft3")});
    }
    lines.push_back({"Gas to be boosted", GasLine(d)});
    if (d.temperatureLimit.find_first_not_of(' ') != std::string::npos)
        lines.push_back({"Discharge temperature limit", Typed(d.temperatureLimit, TemperatureUnit(metric))});
    if (item.application == Application::Fill)
        lines.push_back({"Vessel contents", d.realGas ? "counted with the real-gas model" : "counted as an ideal gas"});
    return lines;
}

}  // namespace zorvik::job
