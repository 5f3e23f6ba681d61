#include "comparison_table.h"

#include <functional>

#include "fixed_format.h"
#include "gas_figures.h"
#include "gases.h"
#include "units.h"
#include "comparison_units.h"

#include "model_limits.h"

namespace zorvik {
namespace {

std::string Number(double value, int decimals) { return FormatFixed(value, 7, decimals); }
std::string YesNo(bool yes) { return yes ? "Yes" : "No"; }
std::string Unit(const char* label, const char* unit) { return std::string(label) + ", " + unit; }

template <typename Row>
void AddRow(ComparisonTable& table, const std::vector<Row>& rows, std::string label,
            const std::function<std::string(const Row&)>& cell) {
    ComparisonTable::Row out{std::move(label), {}};
    for (const Row& r : rows) out.cells.push_back(cell(r));
    table.rows.push_back(std::move(out));
}

std::string Trimmed(const std::string& name) { return name.substr(0, name.find_last_not_of(' ') + 1); }

template <typename Row>
ComparisonTable Headed(const std::vector<Row>& rows) {
    ComparisonTable table;
    for (const Row& r : rows) {
        table.models.push_back(Trimmed(r.name));
        table.modelNumbers.push_back(r.Model());
    }
    AddRow<Row>(table, rows, "Model number", [](const Row& r) { return std::to_string(r.Model()); });
    AddRow<Row>(table, rows, "Listed by the selection", [](const Row& r) { return YesNo(r.Listed()); });
    return table;
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string Joined(const ComparisonTable& table, char separator,
                   const std::function<std::string(const std::string&)>& cell) {
    std::string out = cell("");
    for (const std::string& m : table.models) out += separator + cell(m);
    out += "\n";
    for (const ComparisonTable::Row& row : table.rows) {
        out += cell(row.label);
        for (const std::string& c : row.cells) out += separator + cell(c);
        out += "\n";
    }
    return out;
}

// A stalled model's speed, efficiency and energy describe no delivery;
// they show as "-".
std::string IfDelivering(const FlowComparisonRow& r, const std::string& text) {
    return r.candidate.delivered.flowScfm > NoFlowScfm ? text : std::string("-");
}

// The same for the duty's figures: "-" where no installation is sized.
std::string IfSized(const FlowComparisonRow& r, const std::string& text) {
    return r.duty.Sized() ? text : std::string("-");
}

std::string MeetsDutyText(const FlowDutyPoint& p) {
    if (p.MeetsDuty()) return "Yes";
    return p.nearMiss ? "No, near miss" : "No";
}

// The list's figures: flat out on the air available.
void AddListRows(ComparisonTable& t, const std::vector<FlowComparisonRow>& rows, bool metric) {
    using R = FlowComparisonRow;
    AddRow<R>(t, rows, Unit("Flow", GasFlowUnit(metric)),
              [metric](const R& r) { return GasFlowNumber(r.candidate.delivered.flowScfm, metric); });
    AddRow<R>(t, rows, Unit("Drive air used", DriveAirUnit(metric)),
              [metric](const R& r) { return DriveAirNumber(r.candidate.delivered.airUseScfm, metric); });
    AddRow<R>(t, rows, Unit("Total input air (flow + drive air)", DriveAirUnit(metric)),
              [metric](const R& r) { return DriveAirNumber(r.totalAirScfm, metric); });
    AddRow<R>(t, rows, "Cycles per minute",
              [](const R& r) { return IfDelivering(r, Number(r.candidate.cyclesPerMin, 0)); });
    AddRow<R>(t, rows, "Speed, % of maximum", [](const R& r) { return IfDelivering(r, Number(r.speedPercent, 0)); });
    AddRow<R>(t, rows, "Compression ratio",
              [](const R& r) { return Number(r.candidate.requested.compressionRatio, 2); });
    AddRow<R>(t, rows, "Volumetric efficiency, %",
              [](const R& r) { return IfDelivering(r, Number(r.candidate.requested.volumetricEfficiency * 100, 0)); });
    AddRow<R>(t, rows, Unit("Stall pressure at this drive", PressureUnit(metric)),
              [metric](const R& r) { return PressureNumber(r.candidate.requested.stallOutletPsi, metric); });
    AddRow<R>(t, rows, Unit("Margin to maximum outlet", metric ? "bar" : "psi"),
              [metric](const R& r) { return PressureDifferenceNumber(r.outletMarginPsi, metric); });
    AddRow<R>(t, rows, "Cut back to the air available",
              [](const R& r) { return YesNo(r.candidate.delivered.airLimited); });
}

// What the gas makes of each model, where the gas is not air or a limit is
// set: the mass it delivers, and the highest discharge temperature.
template <class R>
void AddGasRows(ComparisonTable& t, const std::vector<R>& rows, bool metric) {
    if (rows.empty() || !rows.front().gas.shown) return;
    AddRow<R>(t, rows, Unit("Mass flow", MassFlowUnit(metric)),
              [metric](const R& r) { return MassFlowNumber(r.gas.massFlowKgPerHour, metric); });
    AddRow<R>(t, rows, Unit("Discharge temperature, upper bound", TemperatureUnit(metric)), [metric](const R& r) {
        return r.gas.discharge ? TemperatureNumber(r.gas.discharge->Highest(), metric) : std::string("-");
    });
}

// The model doing the duty: its capacity flat out at the pressures typed,
// then each unit throttled to its share of the flow, and the running cost
// of that air.
void AddDutyRows(ComparisonTable& t, const std::vector<FlowComparisonRow>& rows, bool metric) {
    using R = FlowComparisonRow;
    AddRow<R>(t, rows, Unit("Flow flat out at this outlet", GasFlowUnit(metric)),
              [metric](const R& r) { return GasFlowNumber(r.duty.fullSpeedFlowScfm, metric); });
    AddRow<R>(t, rows, "Speed at the duty, % of maximum",
              [](const R& r) { return IfSized(r, Number(r.duty.dutySpeedPercent, 0)); });
    AddRow<R>(t, rows, "Cycles per minute at the duty",
              [](const R& r) { return IfSized(r, Number(r.duty.dutyCyclesPerMin, 0)); });
    AddRow<R>(t, rows, "Above " + Number(ContinuousDutySpeed * 100, 0) + " % of maximum speed",
              [](const R& r) { return IfSized(r, YesNo(r.duty.aboveContinuousGuideline)); });
    AddRow<R>(t, rows, Unit("Drive air at the duty", DriveAirUnit(metric)),
              [metric](const R& r) { return IfSized(r, DriveAirNumber(r.duty.dutyAirScfm, metric)); });
    AddRow<R>(t, rows, "Units in parallel for the flow",
              [](const R& r) { return r.unitsNeeded ? std::to_string(*r.unitsNeeded) : std::string("-"); });
    AddRow<R>(t, rows, Unit("Drive air of those units", DriveAirUnit(metric)), [metric](const R& r) {
        return r.unitsNeeded ? DriveAirNumber(r.unitsDriveAirScfm, metric) : std::string("-");
    });
    AddRow<R>(t, rows, Unit("Total input air at the duty", DriveAirUnit(metric)),
              [metric](const R& r) { return IfSized(r, DriveAirNumber(r.duty.dutyTotalAirScfm, metric)); });
    AddRow<R>(t, rows, Unit("Drive air to spare at the duty", DriveAirUnit(metric)), [metric](const R& r) {
        return r.duty.Sized() && r.duty.airMarginScfm ? DriveAirNumber(*r.duty.airMarginScfm, metric)
                                                      : std::string("-");
    });
    AddRow<R>(t, rows, "Energy a year at the duty, kWh", [](const R& r) { return IfSized(r, Number(r.annualKwh, 0)); });
    AddRow<R>(t, rows, "Cost a year at the duty", [](const R& r) { return IfSized(r, Number(r.annualCost, 0)); });
}

}  // namespace

ComparisonTable FlowComparisonTable(const std::vector<FlowComparisonRow>& rows, bool metric) {
    using R = FlowComparisonRow;
    ComparisonTable t = Headed(rows);
    AddRow<R>(t, rows, "Meets the duty", [](const R& r) { return MeetsDutyText(r.duty); });
    AddRow<R>(t, rows, ReasonRowLabel, [](const R& r) { return r.reason; });
    AddListRows(t, rows, metric);
    AddDutyRows(t, rows, metric);
    AddGasRows(t, rows, metric);
    return t;
}

ComparisonTable ChargeComparisonTable(const std::vector<ChargeComparisonRow>& rows, bool metric) {
    using R = ChargeComparisonRow;
    const auto charged = [](const R& r, const std::function<std::string()>& text) {
        return r.candidate.charged ? text() : std::string("-");
    };
    ComparisonTable t = Headed(rows);
    AddRow<R>(t, rows, ReasonRowLabel, [](const R& r) { return r.reason; });
    AddRow<R>(t, rows, "Fill time, minutes",
              [&](const R& r) { return charged(r, [&] { return MinutesNumber(r.candidate.fillMinutes); }); });
    AddRow<R>(t, rows, Unit("Total drive air", AirAmountUnit(metric)),
              [&](const R& r) { return charged(r, [&] { return AirAmountNumber(r.candidate.driveAirScf, metric); }); });
    AddRow<R>(t, rows, Unit("Average drive air", DriveAirUnit(metric)), [&](const R& r) {
        return charged(r, [&] { return DriveAirNumber(r.candidate.AverageAirScfm(), metric); });
    });
    AddRow<R>(t, rows, "Average cycles per minute",
              [&](const R& r) { return charged(r, [&] { return Number(r.candidate.averageCyclesPerMin, 0); }); });
    AddRow<R>(t, rows, "Cut back to the air available", [](const R& r) { return YesNo(r.candidate.airLimited); });
    AddRow<R>(t, rows, "Energy a fill, kWh",
              [&](const R& r) { return charged(r, [&] { return Number(r.kwhPerFill, 2); }); });
    AddRow<R>(t, rows, "Cost a fill", [&](const R& r) { return charged(r, [&] { return Number(r.costPerFill, 3); }); });
    AddGasRows(t, rows, metric);
    return t;
}

std::string TabSeparated(const ComparisonTable& table) {
    return Joined(table, '\t', [](const std::string& c) {
        std::string out = c;
        for (char& ch : out)
            if (ch == '\t' || ch == '\n') ch = ' ';
        return out;
    });
}

std::string CommaSeparated(const ComparisonTable& table) { return Joined(table, ',', Quoted); }

}  // namespace zorvik

namespace zorvik {
namespace {

std::string SpecificPowerText(const CostSettings& cost, bool metric) {
    if (metric) return FormatFixed(KwPerNormalCubicMetrePerMin(cost.kwPer100Scfm), 7, 2) + " kW per n.m3/min";
    return FormatFixed(cost.kwPer100Scfm, 7, 1) + " kW per 100 scfm";
}

std::string AirAvailableText(double scfm, bool ignored, bool metric) {
    return ignored ? std::string("drive air not limited") : DriveAirText(scfm, metric) + " drive air available";
}

// "Nitrogen at 20 \u00B0C, " before the conditions, and a discharge limit or
// what the gas calls for after them; nothing for air at the standard
// temperature without a limit, as the catalogue's figures stand.
std::string GasLead(Gas gas, double celsius, bool metric) {
    if (gas == Gas::Air && celsius == StandardCelsius) return {};
    return std::string(Properties(gas).displayName) + " at " + TemperatureText(celsius, metric) + ", ";
}

std::string GasTail(Gas gas, std::optional<double> limitCelsius, bool metric) {
    std::string tail;
    if (limitCelsius) tail += ", discharge limit " + TemperatureText(*limitCelsius, metric);
    if (const std::string_view note = SafetyNote(gas); !note.empty()) tail += ".  " + std::string(note);
    return tail;
}

}  // namespace

std::string FlowConditionsText(const FlowDuty& duty, const CostSettings& cost, bool metric) {
    return GasLead(duty.gas, duty.gasCelsius, metric) + "Drive " + PressureText(duty.drivePsi, metric) + ", " +
           AirAvailableText(duty.airAvailableScfm, duty.ignoreAirAvailable, metric) + ", inlet " +
           PressureText(duty.inletPsi, metric) + ", outlet " + PressureText(duty.outletPsi, metric) + ", " +
           (duty.ignoreFlowRate ? std::string("any flow") : GasFlowText(duty.flowRequiredScfm, metric) + " required") +
           ".  Cost: " + SpecificPowerText(cost, metric) + ", " + FormatFixed(cost.hoursPerYear, 7, 0) +
           " hours a year, " + FormatFixed(cost.pricePerKwh, 7, 3) + " per kWh" +
           (cost.inletIsPlantAir ? ", inlet gas from the same air supply" : "") +
           GasTail(duty.gas, duty.temperatureLimitCelsius, metric);
}

std::string ChargeConditionsText(const ChargeDuty& duty, const CostSettings& cost, bool metric) {
    const std::string capacity = metric ? FormatFixed(duty.capacityFt3 * units::LitresPerCubicFoot, 7, 1) + " litres"
                                        : FormatFixed(duty.capacityFt3, 7, 2) + " cu ft";
    const std::string contents =
        duty.contents == ContentsCount::RealGas ? std::string(", contents counted as a real gas") : std::string();
    return GasLead(duty.gas, duty.vesselCelsius, metric) + "Drive " + PressureText(duty.drivePsi, metric) + ", " +
           AirAvailableText(duty.airAvailableScfm, duty.ignoreAirAvailable, metric) + ", inlet " +
           PressureText(duty.inletPsi, metric) + ", vessel of " + capacity + " from " +
           PressureText(duty.startPsi, metric) + " to " + PressureText(duty.finalPsi, metric) + contents +
           ".  Cost: " + SpecificPowerText(cost, metric) + ", " + FormatFixed(cost.pricePerKwh, 7, 3) + " per kWh" +
           GasTail(duty.gas, duty.temperatureLimitCelsius, metric);
}

}  // namespace zorvik
