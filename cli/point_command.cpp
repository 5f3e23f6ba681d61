#include "point_command.h"

#include <cstdio>
#include <optional>
#include <string>

#include "arguments.h"
#include "output.h"
#include "stderr_notices.h"
#include "fixed_format.h"
#include "number_text.h"
#include "numeric_entry.h"
#include "performance_model.h"

namespace zorvik::cli {
namespace {

const std::vector<OptionSpec> kOptions = {
    {"model", true}, {"drive", true}, {"inlet", true}, {"outlet", true}, {"format", true},
};

void Help() {
    std::printf(
        "usage: zorvik-select point --model N --drive P --inlet P --outlet P [--format table|json]\n\n"
        "The performance model of one amplifier at one operating point.\n\n"
        "  --model N     catalogue model number, 1 to 15\n"
        "  --drive P     air drive pressure, psig\n"
        "  --inlet P     gas inlet pressure, psig\n"
        "  --outlet P    outlet pressure, psig\n"
        "  --format F    table (default) or json\n\n"
        "Prints the stall air pressure (psig), speed fraction, cycles per minute,\n"
        "compression ratio, volumetric efficiency, outlet flow (scfm) and drive air\n"
        "use (scfm, evaluated at the outlet pressure and that flow).\n");
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

void PrintJson(const TPumpRecord& pump, const PointResult& r) {
    std::printf(
        "{\"model\": %d, \"name\": %s, \"stall_air_psi\": %s, \"speed_fraction\": %s, \"cycles_per_min\": %s, "
        "\"compression_ratio\": %s, \"volumetric_efficiency\": %s, \"flow_scfm\": %s, \"air_use_scfm\": %s}\n",
        pump.PumpNo, JsonString(pump.DisplayName()).c_str(), FullPrecision(r.stallAirPsi).c_str(),
        FullPrecision(r.speedFraction).c_str(), FullPrecision(r.cyclesPerMin).c_str(),
        FullPrecision(r.compressionRatio).c_str(), FullPrecision(r.volumetricEfficiency).c_str(),
        FullPrecision(r.flowScfm).c_str(), FullPrecision(r.airUseScfm).c_str());
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

int Run(const Words& args) {
    std::string error;
    const auto parsed = ParseArguments(args, kOptions, error);
    const auto model = CheckUsage(parsed, error);
    if (!model) return Failure("point", error);
    const std::string format = parsed->Value("format", "table");

    StderrNotices notices;
    double pressures[3] = {0, 0, 0};
    const char* names[3] = {"drive", "inlet", "outlet"};
    for (int i = 0; i < 3; ++i) {
        OptionField field(parsed->Value(names[i]));
        const std::optional<double> pressure = ReadEntryField(field, PressureEntry, false, notices);
        if (!pressure) return ExitFailed;
        pressures[i] = *pressure;
    }

    const TPumpRecord& pump = CatalogueRow(*model);
    const PointResult r = EvaluatePoint(pump, {pressures[0], pressures[1], pressures[2]});
    if (format == "json")
        PrintJson(pump, r);
    else
        PrintTable(pump, r);
    return ExitOk;
}

}  // namespace

const Command PointCommand = {"point", "performance of one model at one operating point", Run, Help};

}  // namespace zorvik::cli
