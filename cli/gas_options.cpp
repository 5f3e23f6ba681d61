#include "gas_options.h"

#include <algorithm>
#include <cstdio>

#include "fixed_format.h"
#include "model_limits.h"
#include "option_values.h"
#include "output.h"
#include "units.h"

namespace zorvik::cli {
namespace {

std::string Number(double value) { return FullPrecision(value); }

std::string Fahrenheit(double celsius) { return FormatFixed(units::FahrenheitOf(celsius), 15, 0); }

// Two significant decimals at the least for small flows: hydrogen at 1 scfm
// is about 0.14 kg/h.
std::string MassText(double value) {
    const int decimals = value < 1 ? 3 : value < 10 ? 2 : value < 100 ? 1 : 0;
    return FormatFixed(value, 15, decimals);
}

// clang-format off
const struct {
    const char* option;
    const char* text;
} kHelp[] = {
    {"--gas NAME",            "the gas boosted: air (the default), nitrogen, oxygen, argon, helium, "
                              "carbon-dioxide, hydrogen or methane"},
    {"--gas-temperature C",   "gas inlet temperature, degC (default 20); for fill also the vessel's, which the "
                              "real-gas count and carbon dioxide's liquefaction take (-20 to 60 degC there)"},
    {"--real-gas",            "fill: count the gas a vessel takes with the real-gas model (its compressibility) "
                              "instead of as an ideal gas, as the catalogue does; flow and point figures do not "
                              "depend on it"},
    {"--temperature-limit C", "mark the models whose discharge temperature bound is above C degC (no limit by "
                              "default)"},
};
// clang-format on

constexpr std::size_t kHelpWidth = 80;

// `text` in lines of at most kHelpWidth, each after `indent` blanks.
std::string Wrapped(const std::string& text, std::size_t indent) {
    std::string out;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && indent + line.size() + 1 + word.size() > kHelpWidth) {
            out += std::string(indent, ' ') + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    return out + std::string(indent, ' ') + line + "\n";
}

}  // namespace

std::string GasOptionsHelp(std::size_t column) {
    std::string out;
    for (const auto& h : kHelp) {
        const std::string option = "  " + std::string(h.option);
        const std::string text = Wrapped(h.text, column);
        out += option.size() + 2 <= column ? option + text.substr(option.size()) : option + "\n" + text;
    }
    return out;
}

std::vector<OptionSpec> GasOptionSpecs() {
    return {{"gas", true}, {"gas-temperature", true}, {"real-gas", false}, {"temperature-limit", true}};
}

std::optional<GasOptions> ReadGasOptions(const Arguments& parsed, std::string& error) {
    GasOptions options;
    if (parsed.Has("gas")) {
        const std::optional<Gas> gas = GasNamed(parsed.Value("gas"));
        if (!gas) {
            error = "--gas: unknown gas \"" + parsed.Value("gas") + "\" (zorvik-select gases lists them)";
            return std::nullopt;
        }
        options.gas = *gas;
    }
    if (parsed.Has("gas-temperature")) {
        const auto celsius = ReadCelsiusOption("--gas-temperature", parsed.Value("gas-temperature"), error);
        if (!celsius) return std::nullopt;
        options.celsius = *celsius;
    }
    if (parsed.Has("temperature-limit")) {
        options.limitCelsius = ReadCelsiusOption("--temperature-limit", parsed.Value("temperature-limit"), error);
        if (!options.limitCelsius) return std::nullopt;
    }
    options.realGas = parsed.Has("real-gas");
    return options;
}

GasOptions GasOptionsOf(const FlowDuty& duty) {
    return {duty.gas, duty.gasCelsius, false, duty.temperatureLimitCelsius};
}

GasOptions GasOptionsOf(const ChargeDuty& duty) {
    return {duty.gas, duty.vesselCelsius, duty.contents == ContentsCount::RealGas, duty.temperatureLimitCelsius};
}

void ApplyGas(const GasOptions& options, FlowDuty& duty) {
    duty.gas = options.gas;
    duty.gasCelsius = options.celsius;
}

void ApplyGas(const GasOptions& options, ChargeDuty& duty) {
    duty.gas = options.gas;
    duty.vesselCelsius = options.celsius;
    duty.contents = options.realGas ? ContentsCount::RealGas : ContentsCount::Ideal;
}

GasRowFigures PointGasFigures(const GasOptions& options, const TPumpRecord& pump, double inletPsi, double outletPsi,
                              double flowScfm) {
    GasRowFigures f;
    f.gas = options.gas;
    f.flowScfm = flowScfm;
    f.stages = DischargeTemperatures(pump, options.gas, inletPsi, outletPsi, options.celsius);
    f.overLimit = f.stages && ExceedsTemperatureLimit(*f.stages, options.limitCelsius);
    return f;
}

GasRowFigures FlowGasFigures(const GasOptions& options, const FlowDuty& duty, const FlowCandidate& candidate) {
    return PointGasFigures(options, CatalogueRow(candidate.pumpNo), duty.inletPsi, duty.outletPsi,
                           candidate.delivered.flowScfm);
}

// The last step is the hottest: the bound is taken at the final pressure.
GasRowFigures ChargeGasFigures(const GasOptions& options, const ChargeDuty& duty, const ChargeCandidate& candidate) {
    GasRowFigures f = PointGasFigures(options, CatalogueRow(candidate.pumpNo), duty.inletPsi, duty.finalPsi, 0);
    f.flowScfm.reset();
    if (candidate.charged) f.flowScfm = candidate.gasDeliveredScf / candidate.fillMinutes;
    return f;
}

std::string SafetyNoteOf(const GasOptions& options) { return std::string(SafetyNote(options.gas)); }

std::string GasJsonMembers(const GasOptions& options, bool fill) {
    const std::string note = SafetyNoteOf(options);
    std::string out = ", \"gas\": " + JsonString(std::string(Properties(options.gas).name)) +
                      ", \"gas_temperature_c\": " + Number(options.celsius) +
                      ", \"temperature_limit_c\": " + (options.limitCelsius ? Number(*options.limitCelsius) : "null");
    if (fill) out += std::string(", \"contents_basis\": ") + (options.realGas ? "\"real\"" : "\"ideal\"");
    return out + ", \"safety_note\": " + (note.empty() ? "null" : JsonString(note));
}

std::string GasRowJson(const GasRowFigures& f) {
    std::string stages = "null";
    std::string last = "null";
    if (f.stages) {
        stages = "[";
        for (int i = 0; i < f.stages->stages; ++i) stages += (i == 0 ? "" : ", ") + Number(f.stages->celsius[i]);
        stages += "]";
        last = Number(f.stages->Highest());
    }
    return ", \"mass_flow_kg_h\": " + (f.flowScfm ? Number(MassFlowKgPerHour(f.gas, *f.flowScfm)) : "null") +
           ", \"stage_discharge_temperatures_c\": " + stages + ", \"discharge_temperature_c\": " + last +
           ", \"over_temperature_limit\": " + (f.overLimit ? "true" : "false");
}

std::string MassFlowCell(const GasRowFigures& f, bool metric) {
    if (!f.flowScfm || !(*f.flowScfm > NoFlowScfm)) return {};
    return MassText(metric ? MassFlowKgPerHour(f.gas, *f.flowScfm) : MassFlowLbPerHour(f.gas, *f.flowScfm));
}

std::string TemperatureCell(const GasRowFigures& f, bool metric) {
    if (!f.stages) return {};
    return metric ? FormatFixed(f.stages->Highest(), 15, 0) : Fahrenheit(f.stages->Highest());
}

std::string MassFlowHeading(bool metric, bool fill) {
    return std::string(fill ? "Avg mass flow " : "Mass flow ") + (metric ? "kg/h" : "lb/h");
}

const char* TemperatureHeading(bool metric) {
    return metric ? "Discharge upper bound degC" : "Discharge upper bound degF";
}

void SaySafetyNote(const char* command, const GasOptions& options) {
    const std::string note = SafetyNoteOf(options);
    std::fflush(stdout);
    if (!note.empty()) std::fprintf(stderr, "zorvik-select %s: safety note: %s\n", command, note.c_str());
}

}  // namespace zorvik::cli
