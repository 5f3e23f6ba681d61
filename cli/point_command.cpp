#include "point_command.h"

#include <cstdio>
#include <optional>
#include <string>

#include "arguments.h"
#include "gas_options.h"
#include "option_values.h"
#include "output.h"
#include "comparison_reasons.h"
#include "fixed_format.h"
#include "model_limits.h"
#include "numeric_entry.h"
#include "performance_model.h"
#include "real_gas.h"

namespace zorvik::cli {
namespace {

std::vector<OptionSpec> Options() {
    std::vector<OptionSpec> options = {
        {"model", true}, {"drive", true}, {"inlet", true}, {"outlet", true}, {"format", true},
    };
    for (const OptionSpec& g : GasOptionSpecs()) options.push_back(g);
    return options;
}

void Help() {
    std::printf(
        "usage: zorvik-select point --model N --drive P --inlet P --outlet P [<gas options>]\n"
        "                           [--format table|json]\n\n"
        "The performance model of one amplifier at one operating point.\n\n"
        "  --model N     catalogue model number, 1 to 15\n"
        "  --drive P     air drive pressure, psig\n"
        "  --inlet P     gas inlet pressure, psig\n"
        "  --outlet P    outlet pressure, psig\n"
        "  --format F    table (default) or json\n"
        "%s\n"
        "Prints the stall air pressure (psig), speed fraction, cycles per minute,\n"
        "compression ratio, volumetric efficiency, outlet flow (scfm) and drive air\n"
        "use (scfm, evaluated at the outlet pressure and that flow). With a gas other\n"
        "than air or a temperature limit the table adds the gas, its mass flow (lb/h)\n"
        "and the discharge temperature of the last stage (degF), adiabatic and without\n"
        "cooling: an upper bound. JSON always gives \"gas\", \"mass_flow_kg_h\",\n"
        "\"stage_discharge_temperatures_c\", \"discharge_temperature_c\",\n"
        "\"over_temperature_limit\" and \"safety_note\"; after a table the safety note\n"
        "goes to stderr. At or above its stall pressure the model stands still:\n"
        "speed, flow and air are 0 and a \"stalls\" line (JSON \"stalls\": true)\n"
        "says so. A drive below 40 psig, an outlet pressure at which the gas would be\n"
        "liquid, a usage error and a value that is not valid are refused (exit\n"
        "status 2).\n",
        GasOptionsHelp(16).c_str());
}

void PrintTable(const TPumpRecord& pump, const PointResult& r) {
    const std::string name = pump.DisplayName();
    std::printf("model                   %d  %s\n", pump.PumpNo, name.c_str());
    const struct {
        const char* label;
        double value;
        int decimals;
        // clang-format off
    } lines[] = {
        {"stall air pressure psig", r.stallAirPsi, 3},  {"speed fraction         ", r.speedFraction, 5},
        {"cycles per minute      ", r.cyclesPerMin, 2}, {"compression ratio      ", r.compressionRatio, 4},
        {"volumetric efficiency  ", r.volumetricEfficiency, 5}, {"flow scfm              ", r.flowScfm, 4},
        {"drive air use scfm     ", r.airUseScfm, 3},
    };
    // clang-format on
    for (const auto& l : lines) std::printf("%s %s\n", l.label, FormatFixed(l.value, 15, l.decimals).c_str());
}

// The gas's lines under the table, right-aligned as its figures are.
void PrintGasTable(const GasOptions& gas, const GasRowFigures& f) {
    const auto line = [](const char* label, const std::string& value) {
        std::printf("%-23s %s\n", label, value.c_str());
    };
    line("gas", std::string(Properties(gas.gas).name));
    line("mass flow lb/h", MassFlowCell(f, false));
    line("discharge bound degF", TemperatureCell(f, false));
    if (gas.limitCelsius) line("over temperature limit", f.overLimit ? "yes" : "no");
}

void PrintJson(const TPumpRecord& pump, const PointResult& r, bool stalls, const GasOptions& gas,
               const GasRowFigures& f) {
    std::printf(
        "{\"model\": %d, \"name\": %s, \"stall_air_psi\": %s, \"speed_fraction\": %s, \"cycles_per_min\": %s, "
        "\"compression_ratio\": %s, \"volumetric_efficiency\": %s, \"flow_scfm\": %s, \"air_use_scfm\": %s, "
        "\"stalls\": %s%s%s}\n",
        pump.PumpNo, JsonString(ModelName(pump.Series, pump.RatioText)).c_str(), FullPrecision(r.stallAirPsi).c_str(),
        FullPrecision(r.speedFraction).c_str(), FullPrecision(r.cyclesPerMin).c_str(),
        FullPrecision(r.compressionRatio).c_str(), FullPrecision(r.volumetricEfficiency).c_str(),
        FullPrecision(r.flowScfm).c_str(), FullPrecision(r.airUseScfm).c_str(), stalls ? "true" : "false",
        GasJsonMembers(gas, false).c_str(), GasRowJson(f).c_str());
}

// The model number, or a usage error.
std::optional<int> CheckUsage(const std::optional<Arguments>& parsed, std::string& error) {
    if (!parsed || !HasOptions(*parsed, "point", {"model", "drive", "inlet", "outlet"}, error)) return std::nullopt;
    const std::string format = parsed->Value("format", "table");
    if (format != "table" && format != "json") {
        error = "--format must be table or json";
        return std::nullopt;
    }
    return ReadModelOption(*parsed, error);
}

// Drive, inlet and outlet, psig, or nothing with the error.
std::optional<OperatingPoint> ReadPoint(const Arguments& parsed, std::string& error) {
    double pressures[3] = {0, 0, 0};
    const char* names[3] = {"drive", "inlet", "outlet"};
    for (int i = 0; i < 3; ++i) {
        const auto pressure =
            ReadEntryOption(std::string("--") + names[i], parsed.Value(names[i]), PressureEntry, false, error);
        if (!pressure) return std::nullopt;
        pressures[i] = *pressure;
    }
    // Below it the model's tables have no speed to give (a 0 psig drive
    // would read as 2,480 cycles a minute).
    if (pressures[0] < MinDrivePsi) {
        error = "--drive: " + parsed.Value("drive") + " psig is below the " + FullPrecision(MinDrivePsi) +
                " psig a model is driven at";
        return std::nullopt;
    }
    return OperatingPoint{pressures[0], pressures[1], pressures[2]};
}

// A model at or above its stall pressure stands still: no speed, no flow,
// no air, never a negative speed read off the tables.
bool Stalls(const OperatingPoint& point, PointResult& r) {
    const bool stalls = !(r.speedFraction > 0) || r.stallOutletPsi <= point.outletPsi;
    if (stalls) r.speedFraction = r.cyclesPerMin = r.flowScfm = r.airUseScfm = 0;
    return stalls;
}

int Run(const Words& args, const Translator*) {
    std::string error;
    const auto parsed = ParseArguments(args, Options(), error);
    const auto model = CheckUsage(parsed, error);
    if (!model) return Failure("point", error);
    const auto gas = ReadGasOptions(*parsed, error);
    if (!gas) return Failure("point", error);
    const auto point = ReadPoint(*parsed, error);
    if (!point) return Failure("point", error);
    if (Liquefies(gas->gas, AbsoluteBar(point->outletPsi), gas->celsius))
        return Failure("point",
                       English(LiquefiesText(gas->gas, point->outletPsi, gas->celsius, OutletName::Outlet, false)));

    const TPumpRecord& pump = CatalogueRow(*model);
    PointResult r = EvaluatePoint(pump, *point);
    const bool stalls = Stalls(*point, r);
    const GasRowFigures figures = PointGasFigures(*gas, pump, point->inletPsi, point->outletPsi, r.flowScfm);
    if (parsed->Value("format", "table") == "json") {
        PrintJson(pump, r, stalls, *gas, figures);
        return ExitOk;
    }
    PrintTable(pump, r);
    if (stalls) std::printf("stalls                  at this outlet pressure\n");
    if (gas->ShowsGasColumns()) PrintGasTable(*gas, figures);
    SaySafetyNote("point", *gas);
    return ExitOk;
}

}  // namespace

const Command PointCommand = {"point", "performance of one model at one operating point", Run, Help};

}  // namespace zorvik::cli
