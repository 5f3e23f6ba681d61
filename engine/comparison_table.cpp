#include "comparison_table.h"

#include <functional>

#include "fixed_format.h"
#include "gas_figures.h"
#include "gases.h"
#include "units.h"
#include "comparison_units.h"
#include "model_limits.h"
#include "text.h"

namespace zorvik {
namespace {

std::string Number(double value, int decimals) { return FormatFixed(value, 7, decimals); }
Text YesNo(bool yes) { return yes ? Tr("Comparison", "Yes") : Tr("Comparison", "No"); }
Text Unit(const Text& label, const char* unit) { return label + ", " + unit; }

template <typename Row>
void AddRow(ComparisonTable& table, const std::vector<Row>& rows, Text label,
            const std::function<Text(const Row&)>& cell) {
    ComparisonTable::Row out{std::move(label), {}, false};
    for (const Row& r : rows) out.cells.push_back(cell(r));
    table.rows.push_back(std::move(out));
}

// Why each model is not listed; the row is marked, as its label is translated.
template <typename Row>
void AddReasonRow(ComparisonTable& table, const std::vector<Row>& rows) {
    AddRow<Row>(table, rows, Tr("Comparison", ReasonRowLabel), [](const Row& r) { return r.reason; });
    table.rows.back().reasons = true;
}

std::string Trimmed(const std::string& name) { return name.substr(0, name.find_last_not_of(' ') + 1); }

template <typename Row>
ComparisonTable Headed(const std::vector<Row>& rows) {
    ComparisonTable table;
    for (const Row& r : rows) {
        table.models.push_back(Trimmed(r.name));
        table.modelNumbers.push_back(r.Model());
        table.listed.push_back(r.Listed());
    }
    AddRow<Row>(table, rows, Tr("Comparison", "Model number"), [](const Row& r) { return WholeNumber(r.Model()); });
    AddRow<Row>(table, rows, Tr("Comparison", "Listed by the selection"),
                [](const Row& r) { return YesNo(r.Listed()); });
    return table;
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string Joined(const ComparisonTable& table, const Translator* translator, char separator,
                   const std::function<std::string(const std::string&)>& cell) {
    std::string out = cell("");
    for (const std::string& m : table.models) out += separator + cell(m);
    out += "\n";
    for (const ComparisonTable::Row& row : table.rows) {
        out += cell(Say(row.label, translator));
        for (const Text& c : row.cells) out += separator + cell(Say(c, translator));
        out += "\n";
    }
    return out;
}

// A stalled model's speed, efficiency and energy describe no delivery;
// they show as "-".
Text IfDelivering(const FlowComparisonRow& r, const Text& text) {
    return r.candidate.delivered.flowScfm > NoFlowScfm ? text : Text("-");
}

// The same for the duty's figures: "-" where no installation is sized.
Text IfSized(const FlowComparisonRow& r, const Text& text) { return r.duty.Sized() ? text : Text("-"); }

Text MeetsDutyText(const FlowDutyPoint& p) {
    if (p.MeetsDuty()) return Tr("Comparison", "Yes");
    return p.nearMiss ? Tr("Comparison", "No, near miss") : Tr("Comparison", "No");
}

// The gas flow is compressor air only when it comes from the drive supply;
// otherwise a total would be the drive air again.
bool ShowsTotals(const std::vector<FlowComparisonRow>& rows) { return !rows.empty() && rows.front().flowIsDriveAir; }

// The list's figures: flat out on the air available.
void AddListRows(ComparisonTable& t, const std::vector<FlowComparisonRow>& rows, bool metric) {
    using R = FlowComparisonRow;
    AddRow<R>(t, rows, Unit(Tr("Comparison", "Flow"), GasFlowUnit(metric)),
              [metric](const R& r) { return GasFlowNumber(r.candidate.delivered.flowScfm, metric); });
    AddRow<R>(t, rows, Unit(Tr("Comparison", "Drive air used"), DriveAirUnit(metric)),
              [metric](const R& r) { return DriveAirNumber(r.candidate.delivered.airUseScfm, metric); });
    if (ShowsTotals(rows))
        AddRow<R>(t, rows, Unit(Tr("Comparison", "Total input air (flow + drive air)"), DriveAirUnit(metric)),
                  [metric](const R& r) { return DriveAirNumber(r.totalAirScfm, metric); });
    AddRow<R>(t, rows, Tr("Comparison", "Cycles per minute"),
              [](const R& r) { return IfDelivering(r, Number(r.candidate.cyclesPerMin, 0)); });
    AddRow<R>(t, rows, Tr("Comparison", "Speed, % of maximum"),
              [](const R& r) { return IfDelivering(r, Number(r.speedPercent, 0)); });
    AddRow<R>(t, rows, Tr("Comparison", "Compression ratio"),
              [](const R& r) { return Number(r.candidate.requested.compressionRatio, 2); });
    AddRow<R>(t, rows, Tr("Comparison", "Volumetric efficiency, %"),
              [](const R& r) { return IfDelivering(r, Number(r.candidate.requested.volumetricEfficiency * 100, 0)); });
    AddRow<R>(t, rows, Unit(Tr("Comparison", "Stall pressure at this drive"), PressureUnit(metric)),
              [metric](const R& r) { return PressureNumber(r.candidate.requested.stallOutletPsi, metric); });
    AddRow<R>(t, rows, Unit(Tr("Comparison", "Margin to maximum outlet"), metric ? "bar" : "psi"),
              [metric](const R& r) { return PressureDifferenceNumber(r.outletMarginPsi, metric); });
    AddRow<R>(t, rows, Tr("Comparison", "Cut back to the air available"),
              [](const R& r) { return YesNo(r.candidate.CutBackToAir()); });
}

// What the gas makes of each model, where the gas is not air or a limit is
// set: the mass it delivers, and the highest discharge temperature.
template <class R>
void AddGasRows(ComparisonTable& t, const std::vector<R>& rows, bool metric) {
    if (rows.empty() || !rows.front().gas.shown) return;
    AddRow<R>(t, rows, Unit(Tr("Comparison", "Mass flow"), MassFlowUnit(metric)),
              [metric](const R& r) { return MassFlowNumber(r.gas.massFlowKgPerHour, metric); });
    AddRow<R>(t, rows, Unit(Tr("Comparison", "Discharge temperature, upper bound"), TemperatureUnit(metric)),
              [metric](const R& r) {
                  return r.gas.discharge ? TemperatureNumber(r.gas.discharge->Highest(), metric) : std::string("-");
              });
}

// The model doing the duty: its capacity flat out at the pressures typed,
// then each unit throttled to its share of the flow, and the running cost
// of that air.
void AddDutyRows(ComparisonTable& t, const std::vector<FlowComparisonRow>& rows, bool metric) {
    using R = FlowComparisonRow;
    AddRow<R>(t, rows, Unit(Tr("Comparison", "Flow flat out at this outlet"), GasFlowUnit(metric)),
              [metric](const R& r) { return GasFlowNumber(r.duty.fullSpeedFlowScfm, metric); });
    AddRow<R>(t, rows, Tr("Comparison", "Speed at the duty, % of maximum"),
              [](const R& r) { return IfSized(r, Number(r.duty.dutySpeedPercent, 0)); });
    AddRow<R>(t, rows, Tr("Comparison", "Cycles per minute at the duty"),
              [](const R& r) { return IfSized(r, Number(r.duty.dutyCyclesPerMin, 0)); });
    AddRow<R>(t, rows, Tr("Comparison", "Above %1 % of maximum speed").With({Number(ContinuousDutySpeed * 100, 0)}),
              [](const R& r) { return IfSized(r, YesNo(r.duty.aboveContinuousGuideline)); });
    AddRow<R>(t, rows, Unit(Tr("Comparison", "Drive air at the duty"), DriveAirUnit(metric)),
              [metric](const R& r) { return IfSized(r, DriveAirNumber(r.duty.dutyAirScfm, metric)); });
    AddRow<R>(t, rows, Tr("Comparison", "Units in parallel for the flow"),
              [](const R& r) { return r.unitsNeeded ? WholeNumber(*r.unitsNeeded) : std::string("-"); });
    AddRow<R>(t, rows, Unit(Tr("Comparison", "Drive air of those units"), DriveAirUnit(metric)), [metric](const R& r) {
        return r.unitsNeeded ? DriveAirNumber(r.unitsDriveAirScfm, metric) : std::string("-");
    });
    if (ShowsTotals(rows))
        AddRow<R>(t, rows, Unit(Tr("Comparison", "Total input air at the duty"), DriveAirUnit(metric)),
                  [metric](const R& r) { return IfSized(r, DriveAirNumber(r.dutyTotalAirScfm, metric)); });
    AddRow<R>(t, rows, Unit(Tr("Comparison", "Drive air to spare at the duty"), DriveAirUnit(metric)),
              [metric](const R& r) {
                  return r.duty.Sized() && r.duty.airMarginScfm ? DriveAirNumber(*r.duty.airMarginScfm, metric)
                                                                : std::string("-");
              });
    AddRow<R>(t, rows, Tr("Comparison", "Energy a year at the duty, kWh"),
              [](const R& r) { return IfSized(r, Number(r.annualKwh, 0)); });
    AddRow<R>(t, rows, Tr("Comparison", "Cost a year at the duty"),
              [](const R& r) { return IfSized(r, Number(r.annualCost, 0)); });
}

}  // namespace

ComparisonTable FlowComparisonTable(const std::vector<FlowComparisonRow>& rows, bool metric) {
    using R = FlowComparisonRow;
    ComparisonTable t = Headed(rows);
    AddRow<R>(t, rows, Tr("Comparison", "Meets the duty"), [](const R& r) { return MeetsDutyText(r.duty); });
    AddReasonRow(t, rows);
    AddListRows(t, rows, metric);
    AddDutyRows(t, rows, metric);
    AddGasRows(t, rows, metric);
    return t;
}

ComparisonTable ChargeComparisonTable(const std::vector<ChargeComparisonRow>& rows, bool metric) {
    using R = ChargeComparisonRow;
    const auto charged = [](const R& r, const std::function<Text()>& text) {
        return r.candidate.charged ? text() : Text("-");
    };
    ComparisonTable t = Headed(rows);
    AddReasonRow(t, rows);
    AddRow<R>(t, rows, Tr("Comparison", "Fill time, minutes"),
              [&](const R& r) { return charged(r, [&] { return MinutesNumber(r.candidate.fillMinutes); }); });
    AddRow<R>(t, rows, Unit(Tr("Comparison", "Total drive air"), AirAmountUnit(metric)),
              [&](const R& r) { return charged(r, [&] { return AirAmountNumber(r.candidate.driveAirScf, metric); }); });
    AddRow<R>(t, rows, Unit(Tr("Comparison", "Average drive air"), DriveAirUnit(metric)), [&](const R& r) {
        return charged(r, [&] { return DriveAirNumber(r.candidate.AverageAirScfm(), metric); });
    });
    AddRow<R>(t, rows, Tr("Comparison", "Average cycles per minute"),
              [&](const R& r) { return charged(r, [&] { return Number(r.candidate.averageCyclesPerMin, 0); }); });
    AddRow<R>(t, rows, Tr("Comparison", "Cut back to the air available"),
              [](const R& r) { return YesNo(r.candidate.cutBackToAir); });
    AddRow<R>(t, rows, Tr("Comparison", "Energy a fill, kWh"),
              [&](const R& r) { return charged(r, [&] { return Number(r.kwhPerFill, 2); }); });
    AddRow<R>(t, rows, Tr("Comparison", "Cost a fill"),
              [&](const R& r) { return charged(r, [&] { return Number(r.costPerFill, 3); }); });
    AddGasRows(t, rows, metric);
    return t;
}

std::string TabSeparated(const ComparisonTable& table, const Translator* translator) {
    return Joined(table, translator, '\t', [](const std::string& c) {
        std::string out = c;
        for (char& ch : out)
            if (ch == '\t' || ch == '\n') ch = ' ';
        return out;
    });
}

std::string CommaSeparated(const ComparisonTable& table, const Translator* translator) {
    return Joined(table, translator, ',', Quoted);
}

}  // namespace zorvik

namespace zorvik {
namespace {

Text SpecificPowerText(const CostSettings& cost, bool metric) {
    if (metric)
        return Tr("Comparison", "%1 kW per n.m3/min")
            .With({FormatFixed(KwPerNormalCubicMetrePerMin(cost.kwPer100Scfm), 7, 2)});
    return Tr("Comparison", "%1 kW per 100 scfm").With({FormatFixed(cost.kwPer100Scfm, 7, 1)});
}

Text AirAvailableText(double scfm, bool ignored, bool metric) {
    if (ignored) return Tr("Comparison", "drive air not limited");
    return Tr("Comparison", "%1 drive air available").With({DriveAirText(scfm, metric)});
}

// "Nitrogen at 20 \u00B0C, " before the conditions, and a discharge limit or
// what the gas calls for after them; nothing for air at the standard
// temperature without a limit, as the catalogue's figures stand.
Text GasLead(Gas gas, double celsius, bool metric) {
    if (gas == Gas::Air && celsius == StandardCelsius) return {};
    return Tr("Comparison", "%1 at %2, ").With({GasDisplayName(gas), TemperatureText(celsius, metric)});
}

Text GasTail(Gas gas, std::optional<double> limitCelsius, bool metric) {
    Text tail;
    if (limitCelsius)
        tail = tail + Tr("Comparison", ", discharge limit %1").With({TemperatureText(*limitCelsius, metric)});
    // The notes are literals, so each view ends in a NUL.
    if (const std::string_view note = SafetyNote(gas); !note.empty()) tail = tail + ".  " + Tr("Gases", note.data());
    return tail;
}

}  // namespace

Text FlowConditionsText(const FlowDuty& duty, const CostSettings& cost, bool metric) {
    const Text flow = duty.ignoreFlowRate
                          ? Tr("Comparison", "any flow")
                          : Tr("Comparison", "%1 required").With({GasFlowText(duty.flowRequiredScfm, metric)});
    Text text = Tr("Comparison", "Drive %1, %2, inlet %3, outlet %4, %5.  Cost: %6, %7 hours a year, %8 per kWh")
                    .With({PressureText(duty.drivePsi, metric),
                           AirAvailableText(duty.airAvailableScfm, duty.ignoreAirAvailable, metric),
                           PressureText(duty.inletPsi, metric), PressureText(duty.outletPsi, metric), flow,
                           SpecificPowerText(cost, metric), FormatFixed(cost.hoursPerYear, 7, 0),
                           FormatFixed(cost.pricePerKwh, 7, 3)});
    if (cost.inletIsPlantAir) text = Tr("Comparison", "%1, inlet gas from the same air supply").With({text});
    return GasLead(duty.gas, duty.gasCelsius, metric) + text + GasTail(duty.gas, duty.temperatureLimitCelsius, metric);
}

Text ChargeConditionsText(const ChargeDuty& duty, const CostSettings& cost, bool metric) {
    const Text capacity =
        metric ? Tr("Comparison", "%1 litres").With({FormatFixed(duty.capacityFt3 * units::LitresPerCubicFoot, 7, 1)})
               : Tr("Comparison", "%1 cu ft").With({FormatFixed(duty.capacityFt3, 7, 2)});
    const char* conditions =
        duty.contents == ContentsCount::RealGas
            ? ZORVIK_TR_NOOP("Comparison",
                             "Drive %1, %2, inlet %3, vessel of %4 from %5 to %6, contents counted as a real gas.  "
                             "Cost: %7, %8 per kWh")
            : ZORVIK_TR_NOOP("Comparison", "Drive %1, %2, inlet %3, vessel of %4 from %5 to %6.  Cost: %7, %8 per kWh");
    return GasLead(duty.gas, duty.vesselCelsius, metric) +
           Tr("Comparison", conditions)
               .With({PressureText(duty.drivePsi, metric),
                      AirAvailableText(duty.airAvailableScfm, duty.ignoreAirAvailable, metric),
                      PressureText(duty.inletPsi, metric), capacity, PressureText(duty.startPsi, metric),
                      PressureText(duty.finalPsi, metric), SpecificPowerText(cost, metric),
                      FormatFixed(cost.pricePerKwh, 7, 3)}) +
           GasTail(duty.gas, duty.temperatureLimitCelsius, metric);
}

}  // namespace zorvik
