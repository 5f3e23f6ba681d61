#include "gases_command.h"

#include <cstdio>
#include <optional>
#include <string>

#include "arguments.h"
#include "output.h"
#include "fixed_format.h"
#include "gases.h"
#include "number_text.h"
#include "real_gas.h"
#include "units.h"

namespace zorvik::cli {
namespace {

const std::vector<OptionSpec> kOptions = {
    {"gas", true}, {"pressure", true}, {"temperature", true}, {"metric", false}, {"format", true},
};

void Help() {
    std::printf(
        "usage: zorvik-select gases [--format table|json]\n"
        "       zorvik-select gases --gas NAME --pressure P --temperature C [--metric] [--format table|json]\n\n"
        "Lists the gases the program sizes for, or gives one gas's density and\n"
        "compressibility factor from the real-gas model.\n\n"
        "  --gas NAME       air, nitrogen, oxygen, argon, helium, carbon-dioxide,\n"
        "                   hydrogen or methane\n"
        "  --pressure P     gas pressure, psig (barg with --metric)\n"
        "  --temperature C  gas temperature, degC; the model covers -20 to 60 degC\n"
        "                   and up to 700 bar absolute\n"
        "  --metric         the pressure is in barg\n"
        "  --format F       table (default) or json\n\n"
        "Prints the density in kg/m3 and the compressibility factor Z (JSON keys\n"
        "\"density_kg_m3\" and \"compressibility\"). Where the gas would be liquid or\n"
        "two-phase, or the point is outside the model, it prints why on stderr and\n"
        "exits with 2, as for a usage error or a value that is not a number.\n");
}

std::string Fixed(double value, int decimals) { return FormatFixed(value, 15, decimals); }

void PrintGases(bool json) {
    if (json) {
        std::printf("[");
        const char* separator = "";
        for (Gas gas : AllGases) {
            const GasProperties& p = Properties(gas);
            std::printf(
                "%s{\"name\": %s, \"display_name\": %s, \"formula\": %s, \"molar_mass_g_mol\": %s, "
                "\"heat_capacity_ratio\": %s, \"safety_note\": %s}",
                separator, JsonString(std::string(p.name)).c_str(), JsonString(std::string(p.displayName)).c_str(),
                JsonString(std::string(p.formula)).c_str(), FullPrecision(p.molarMass).c_str(),
                FullPrecision(p.HeatCapacityRatio()).c_str(), JsonString(std::string(SafetyNote(gas))).c_str());
            separator = ",\n ";
        }
        std::printf("]\n");
        return;
    }
    std::printf("%-16s %-8s %10s %7s  %s\n", "gas", "formula", "g/mol", "cp/cv", "name");
    for (Gas gas : AllGases) {
        const GasProperties& p = Properties(gas);
        std::printf("%-16.*s %-8.*s %10s %7s  %.*s\n", static_cast<int>(p.name.size()), p.name.data(),
                    static_cast<int>(p.formula.size()), p.formula.data(), Fixed(p.molarMass, 4).c_str(),
                    Fixed(p.HeatCapacityRatio(), 3).c_str(), static_cast<int>(p.displayName.size()),
                    p.displayName.data());
    }
}

struct StateRequest {
    Gas gas;
    double pressure;  // as typed: psig, or barg with --metric
    double celsius;
    bool metric;
};

// The request, or a usage error.
std::optional<StateRequest> ReadRequest(const Arguments& args, std::string& error) {
    if (!(args.Has("pressure") && args.Has("temperature"))) {
        error = "--gas needs --pressure and --temperature";
        return std::nullopt;
    }
    const std::optional<Gas> gas = GasNamed(args.Value("gas"));
    if (!gas) {
        error = "unknown gas \"" + args.Value("gas") + "\" (zorvik-select gases lists them)";
        return std::nullopt;
    }
    const std::optional<double> pressure = ParseNumber(args.Value("pressure"));
    const std::optional<double> celsius = ParseNumber(args.Value("temperature"));
    if (!pressure || !celsius) {
        error = "--pressure and --temperature must be numbers";
        return std::nullopt;
    }
    return StateRequest{*gas, *pressure, *celsius, args.Has("metric")};
}

void PrintState(const StateRequest& r, const GasState& state, bool json) {
    const std::string name(Properties(r.gas).name);
    const char* unit = r.metric ? "barg" : "psig";
    if (json) {
        std::printf(
            "{\"gas\": %s, \"pressure_%s\": %s, \"temperature_c\": %s, \"density_kg_m3\": %s, "
            "\"compressibility\": %s}\n",
            JsonString(name).c_str(), unit, FullPrecision(r.pressure).c_str(), FullPrecision(r.celsius).c_str(),
            FullPrecision(state.densityKgM3).c_str(), FullPrecision(state.compressibility).c_str());
        return;
    }
    std::printf("gas               %s\n", name.c_str());
    std::printf("pressure %-8s %s\n", unit, Fixed(r.pressure, 2).c_str());
    std::printf("temperature degC  %s\n", Fixed(r.celsius, 1).c_str());
    std::printf("density kg/m3     %s\n", Fixed(state.densityKgM3, 4).c_str());
    std::printf("compressibility   %s\n", Fixed(state.compressibility, 5).c_str());
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "zorvik-select gases: %s\n", message.c_str());
    return ExitFailed;
}

int Run(const Words& words, const Translator*) {
    std::string error;
    const std::optional<Arguments> args = ParseArguments(words, kOptions, error);
    if (!args) return Fail(error);
    const std::string format = args->Value("format", "table");
    if (format != "table" && format != "json") return Fail("--format must be table or json");
    const bool json = format == "json";
    if (!args->Has("gas")) {
        if (args->Has("pressure") || args->Has("temperature") || args->Has("metric"))
            return Fail("--pressure, --temperature and --metric need --gas");
        PrintGases(json);
        return ExitOk;
    }
    const std::optional<StateRequest> request = ReadRequest(*args, error);
    if (!request) return Fail(error);
    // barg x 14.50377 = psig, as the program's fields convert it
    const double psig = request->metric ? request->pressure * units::PsiPerBar : request->pressure;
    const GasState state = GasStateAtGauge(request->gas, psig, request->celsius);
    if (!state.Valid())
        return Fail(English(GasRefusalText(request->gas, state.refusal, AbsoluteBar(psig), request->celsius)));
    PrintState(*request, state, json);
    return ExitOk;
}

}  // namespace

const Command GasesCommand = {"gases", "the gases, and a gas's density and compressibility", Run, Help};

}  // namespace zorvik::cli
