#include "schedule.h"

#include <iterator>
#include <optional>

#include "catalogue.h"
#include "comparison_units.h"
#include "fixed_format.h"
#include "gases.h"
#include "text.h"

namespace zorvik::job {
namespace {

constexpr int kPrecision = 7;

// clang-format off
const char* const kHeadings[] = {
    ZORVIK_TR_NOOP("Schedule", "Tag"),          ZORVIK_TR_NOOP("Schedule", "Qty"),
    ZORVIK_TR_NOOP("Schedule", "Application"),  ZORVIK_TR_NOOP("Schedule", "Duty"),
    ZORVIK_TR_NOOP("Schedule", "Model"),        ZORVIK_TR_NOOP("Schedule", "Delivers"),
    ZORVIK_TR_NOOP("Schedule", "Drive air"),    ZORVIK_TR_NOOP("Schedule", "Cycles/min"),
    ZORVIK_TR_NOOP("Schedule", "Running cost"), ZORVIK_TR_NOOP("Schedule", "Status"),
};
// clang-format on
static_assert(std::size(kHeadings) == ScheduleColumns);

std::string Typed(const std::string& text, const char* unit) { return text + " " + unit; }

std::string Money(double value) { return FormatFixed(value, kPrecision, 2); }

// The figures of the duty, not of the model flat out: the flow asked for,
// with the air and speed it takes and what that air costs. A model that
// can't be sized for the duty has none; its status says why.
std::vector<Text> FlowCells(const FlowComparisonRow& r, bool metric) {
    const FlowDutyPoint& d = r.duty;
    if (!d.Sized()) return {"", "", "", ""};
    return {GasFlowText(d.dutyFlowScfm, metric), DriveAirText(d.unitsDriveAirScfm, metric),
            FormatFixed(d.dutyCyclesPerMin, kPrecision, 0), Tr("Schedule", "%1 a year").With({Money(r.annualCost)})};
}

std::vector<Text> FillCells(const ChargeComparisonRow& r, bool metric) {
    const ChargeCandidate& c = r.candidate;
    if (!c.charged) return {"", "", "", ""};
    return {MinutesText(c.fillMinutes), DriveAirText(c.AverageAirScfm(), metric),
            FormatFixed(c.averageCyclesPerMin, kPrecision, 0),
            Tr("Schedule", "%1 a fill").With({Money(r.costPerFill)})};
}

Text ApplicationText(Application application) {
    return application == Application::Fill ? Tr("Schedule", "fill") : Tr("Schedule", "flow");
}

// The catalogue's name without the blanks that pad its ratio text.
std::string ModelName(int model) {
    std::string name = CatalogueRow(model).DisplayName();
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

std::vector<Text> FigureCells(const ItemResult& result, bool metric) {
    if (result.flow) return FlowCells(*result.flow, metric);
    if (result.fill) return FillCells(*result.fill, metric);
    return {"", "", "", ""};
}

// The gas's name as pages write it; a name the program does not know as
// the file has it (the item's status says so).
Text GasName(const ItemDuty& d) {
    const std::optional<Gas> gas = GasNamed(d.gas);
    return gas ? GasDisplayName(*gas) : Text(d.gas);
}

// "Nitrogen at 68 degF"; the standard 20 degC where none was typed.
Text GasLine(const ItemDuty& d) {
    const bool metric = d.units == UnitSystem::Metric;
    const std::string standard = metric ? "20" : "68";
    const bool typed = d.gasTemperature.find_first_not_of(' ') != std::string::npos;
    return Tr("Schedule", "%1 at %2")
        .With({GasName(d), Typed(typed ? d.gasTemperature : standard, TemperatureUnit(metric))});
}

}  // namespace

Text DutyText(const JobItem& item) {
    const ItemDuty& d = item.duty;
    const bool metric = d.units == UnitSystem::Metric;
    const char* pressure = PressureUnit(metric);
    const std::string& inlet = d.inletEqualsDrive ? d.drive : d.inlet;
    const Text gas = d.gas == "air" ? Text() : GasName(d) + ", ";
    const Text air = d.ignoreAir ? Tr("Schedule", "unlimited") : Text(Typed(d.air, GasFlowUnit(metric)));
    if (item.application == Application::Flow)
        return gas + Tr("Schedule", "drive %1, air %2, inlet %3, outlet %4, flow %5")
                         .With({Typed(d.drive, pressure), air, Typed(inlet, pressure), Typed(d.outlet, pressure),
                                d.ignoreFlow ? Tr("Schedule", "any") : Text(Typed(d.flow, GasFlowUnit(metric)))});
    return gas + Tr("Schedule", "drive %1, air %2, inlet %3, %4 to %5, %6")
                     .With({Typed(d.drive, pressure), air, Typed(inlet, pressure), d.initial, Typed(d.final, pressure),
                            Typed(d.capacity, metric ? "litres" : "ft3")});
}

Text StatusText(const JobItem& item, const ItemResult& result) {
    if (!result.reading.Readable()) return result.reading.problem;
    const Text equalised = result.reading.equalised ? Tr("Schedule", "equalised to the inlet pressure first") : Text();
    const Text reason = result.flow ? result.flow->reason : result.fill ? result.fill->reason : Text();
    Text status = item.model ? reason : Tr("Schedule", "no model chosen");
    if (!status.Empty() && !equalised.Empty()) status = status + "; ";
    return status + equalised;
}

std::string CellText(const Text& cell, const Translator* translator) {
    std::string text = Say(cell, translator);
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

std::vector<Text> ScheduleRow(const JobItem& item, const ItemResult& result) {
    const bool metric = item.duty.units == UnitSystem::Metric;
    std::vector<Text> row = {item.tag, WholeNumber(item.quantity), ApplicationText(item.application), DutyText(item),
                             item.model ? ModelName(*item.model) : ""};
    for (Text& cell : FigureCells(result, metric)) row.push_back(std::move(cell));
    row.push_back(StatusText(item, result));
    return row;
}

Schedule JobSchedule(const Job& job, const std::vector<ItemResult>& results) {
    Schedule schedule;
    for (const char* heading : kHeadings) schedule.headings.push_back(Tr("Schedule", heading));
    for (std::size_t i = 0; i < job.items.size(); ++i) schedule.rows.push_back(ScheduleRow(job.items[i], results[i]));
    return schedule;
}

std::vector<DutyLine> DutyLines(const JobItem& item) {
    const ItemDuty& d = item.duty;
    const bool metric = d.units == UnitSystem::Metric;
    const char* pressure = PressureUnit(metric);
    std::vector<DutyLine> lines = {
        {Tr("Schedule", "Air drive pressure"), Typed(d.drive, pressure)},
        {Tr("Schedule", "Drive air available"), d.ignoreAir ? Tr("Schedule", "unlimited (the air available is ignored)")
                                                            : Text(Typed(d.air, GasFlowUnit(metric)))},
        {Tr("Schedule", "Gas inlet pressure"),
         d.inletEqualsDrive ? Tr("Schedule", "%1, the air drive pressure").With({Typed(d.drive, pressure)})
                            : Text(Typed(d.inlet, pressure))},
    };
    if (item.application == Application::Flow) {
        lines.push_back({Tr("Schedule", "Outlet pressure"), Typed(d.outlet, pressure)});
        lines.push_back({Tr("Schedule", "Required flow"), d.ignoreFlow
                                                              ? Tr("Schedule", "any (the flow rate is ignored)")
                                                              : Text(Typed(d.flow, GasFlowUnit(metric)))});
    } else {
        lines.push_back({Tr("Schedule", "Initial vessel pressure"), Typed(d.initial, pressure)});
        lines.push_back({Tr("Schedule", "Final vessel pressure"), Typed(d.final, pressure)});
        lines.push_back({Tr("Schedule", "Vessel capacity"), Typed(d.capacity, metric ? "litres" : "ft3")});
    }
    lines.push_back({Tr("Schedule", "Gas to be boosted"), GasLine(d)});
    if (d.temperatureLimit.find_first_not_of(' ') != std::string::npos)
        lines.push_back(
            {Tr("Schedule", "Discharge temperature limit"), Typed(d.temperatureLimit, TemperatureUnit(metric))});
    if (d.inletIsPlantAir)
        lines.push_back(
            {Tr("Schedule", "Gas taken from the drive air supply"),
             *d.inletIsPlantAir ? Tr("Schedule", "yes, its flow counts in the running cost") : Tr("Schedule", "no")});
    if (item.application == Application::Fill)
        lines.push_back({Tr("Schedule", "Vessel contents"), d.realGas
                                                                ? Tr("Schedule", "counted with the real-gas model")
                                                                : Tr("Schedule", "counted as an ideal gas")});
    return lines;
}

}  // namespace zorvik::job
