#pragma once
// The gas options of flow, fill, point and compare: which gas is boosted, at
// what temperature it comes in, whether a vessel's contents are counted with
// the real-gas model, and a discharge temperature limit; and the figures of
// a row that depend on them, from the engine.

#include <optional>
#include <string>
#include <vector>

#include "arguments.h"
#include "charge_search.h"
#include "flow_search.h"
#include "gas_figures.h"
#include "gases.h"

namespace zorvik::cli {

struct GasOptions {
    Gas gas = Gas::Air;
    double celsius = StandardCelsius;  // the gas inlet, and the vessel for fill
    bool realGas = false;              // count a vessel's contents with the real-gas model
    std::optional<double> limitCelsius;

    // Air, at 20 degC, counted as the catalogue does: the figures of the
    // catalogue's own procedure.
    bool Catalogue() const { return gas == Gas::Air && celsius == StandardCelsius && !realGas; }
    // Tables show the gas columns only then, so the output of a run without
    // them stays as it always was.
    bool ShowsGasColumns() const { return gas != Gas::Air || limitCelsius.has_value(); }
};

// --gas NAME, --gas-temperature C, --real-gas, --temperature-limit C.
std::vector<OptionSpec> GasOptionSpecs();

// The options given, or nothing with a usage error.
std::optional<GasOptions> ReadGasOptions(const Arguments& parsed, std::string& error);

void ApplyGas(const GasOptions& options, FlowDuty& duty);
void ApplyGas(const GasOptions& options, ChargeDuty& duty);

// What a list row or comparison column adds for the gas: the mass flow
// (for a fill, the average over the fill; nothing for a model that did not
// charge) and the adiabatic discharge temperature of each stage, an upper
// bound, with whether it exceeds the limit.
struct GasRowFigures {
    Gas gas = Gas::Air;
    std::optional<double> flowScfm;  // the standard flow whose mass is shown
    std::optional<StageTemperatures> stages;
    bool overLimit = false;
};

GasRowFigures FlowGasFigures(const GasOptions& options, const FlowDuty& duty, const FlowCandidate& candidate);
GasRowFigures ChargeGasFigures(const GasOptions& options, const ChargeDuty& duty, const ChargeCandidate& candidate);
GasRowFigures PointGasFigures(const GasOptions& options, const TPumpRecord& pump, double inletPsi, double outletPsi,
                              double flowScfm);

// The gas's safety note, or empty.
std::string SafetyNoteOf(const GasOptions& options);

// The JSON members that name the gas conditions, each after ", ": "gas",
// "gas_temperature_c", "temperature_limit_c", for a fill "contents_basis",
// and "safety_note".
std::string GasJsonMembers(const GasOptions& options, bool fill);

// A row's JSON members (each after ", "): "mass_flow_kg_h",
// "stage_discharge_temperatures_c", "discharge_temperature_c",
// "over_temperature_limit".
std::string GasRowJson(const GasRowFigures& figures);

// The table cells: mass flow (lb/h, kg/h metric) and the discharge bound
// (degF, degC metric); empty for a figure there is not, and for the mass of
// a model that delivers nothing.
std::string MassFlowCell(const GasRowFigures& figures, bool metric);
std::string TemperatureCell(const GasRowFigures& figures, bool metric);
std::string MassFlowHeading(bool metric, bool fill);
const char* TemperatureHeading(bool metric);
inline constexpr const char* OverLimitHeading = "Over limit";

// Writes the safety note of a table or CSV run on stderr
// ("zorvik-select flow: safety note: ..."); JSON carries it instead.
void SaySafetyNote(const char* command, const GasOptions& options);

// The usage lines of the gas options, for --help: each option's words
// start at `column`.
std::string GasOptionsHelp(std::size_t column);

}  // namespace zorvik::cli
