// The gas options of zorvik-select flow, fill, point and compare, run as
// built: the catalogue's air gives the output of a run without them; the
// mass flow and stage temperatures follow from the gas's own figures (read
// from "zorvik-select gases"); the real-gas count changes what a vessel
// takes; a gas liquid at the outlet is refused with its reason.

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/select_process.h"

namespace {

using Json = nlohmann::json;
using Outcome = zorvik::testing::SelectOutcome;
using Words = std::vector<std::string>;
using zorvik::testing::Lines;
using zorvik::testing::RunSelect;

const Words kFlow = {"--drive", "100", "--air", "100", "--inlet", "100", "--outlet", "1500", "--flow", "1"};
const Words kFill = {"--drive",   "100", "--air",   "100",  "--inlet",    "500",
                     "--initial", "500", "--final", "5000", "--capacity", "1"};

Words Join(std::initializer_list<Words> parts) {
    Words words;
    for (const Words& p : parts) words.insert(words.end(), p.begin(), p.end());
    return words;
}

Json RunJson(const Words& words) {
    const Outcome o = RunSelect(Join({words, {"--format", "json"}}));
    EXPECT_EQ(o.status, 0) << o.err;
    return Json::parse(o.out);
}

// What "zorvik-select gases" says of the gas: its ratio of specific heats,
// and its density at the program's standard conditions (0 psig, 20 degC).
struct GasFigures {
    double k;
    double standardDensity;
};

GasFigures FiguresOf(const std::string& gas) {
    GasFigures f{};
    for (const Json& g : Json::parse(RunSelect({"gases", "--format", "json"}).out))
        if (g["name"] == gas) f.k = g["heat_capacity_ratio"];
    f.standardDensity =
        Json::parse(RunSelect({"gases", "--gas", gas, "--pressure", "0", "--temperature", "20", "--format", "json"})
                        .out)["density_kg_m3"];
    return f;
}

// Adiabatic, no cooling: T2 = T1 x r^((k - 1) / k), in kelvin.
double Discharge(double celsius, double ratio, double k) {
    return (celsius + 273.15) * std::pow(ratio, (k - 1) / k) - 273.15;
}

TEST(GasOptionsTest, TheCataloguesAirGivesTheOutputOfARunWithoutThem) {
    const Words air = {"--gas", "air", "--gas-temperature", "20"};
    for (const Words& command :
         {Join({{"flow"}, kFlow}), Join({{"fill"}, kFill}), Join({{"compare", "--models", "6,12"}, kFlow}),
          Words{"point", "--model", "13", "--drive", "100", "--inlet", "100", "--outlet", "900"}})
        for (const char* format : {"table", "csv", "json"}) {
            if (command[0] == "point" && std::string(format) == "csv") continue;
            SCOPED_TRACE(command[0] + " " + format);
            const Outcome plain = RunSelect(Join({command, {"--format", format}}));
            const Outcome named = RunSelect(Join({command, air, {"--format", format}}));
            EXPECT_EQ(plain.status, 0);
            EXPECT_EQ(named.out, plain.out);
            EXPECT_EQ(named.err, "");
        }
}

// Every row: mass flow = scfm x 0.028316846592 m3/ft3 x 60 min/h x the
// standard density; each stage's temperature from the absolute pressure
// ratio (two stages: the geometric mean as interstage), the last the bound.
TEST(GasOptionsTest, MassFlowAndStageTemperaturesOfEveryRow) {
    const struct {
        Words words;
        const char* gas;
        double celsius, inletPsi, outletPsi;
        const char* flowKey;  // the standard flow of the mass: the list's, "duty" for the comparison's
    } cases[] = {
        {Join({{"flow"}, kFlow, {"--gas", "hydrogen"}}), "hydrogen", 20, 100, 1500, "flow_scfm"},
        {Join({{"flow"}, kFlow, {"--gas", "argon", "--gas-temperature", "-5"}}), "argon", -5, 100, 1500, "flow_scfm"},
        {Join({{"compare"}, kFlow, {"--gas", "methane", "--gas-temperature", "35"}}), "methane", 35, 100, 1500, "duty"},
        {Join({{"fill"}, kFill, {"--gas", "nitrogen", "--real-gas"}}), "nitrogen", 20, 500, 5000, nullptr},
        {Join({{"compare", "--application", "fill"}, kFill, {"--gas", "helium"}}), "helium", 20, 500, 5000, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words[0] + " " + c.gas);
        const GasFigures gas = FiguresOf(c.gas);
        const Json document = RunJson(c.words);
        EXPECT_EQ(document["gas"], c.gas);
        ASSERT_FALSE(document["rows"].empty());
        const double ratio = (c.outletPsi + 14.5) / (c.inletPsi + 14.5);
        for (const Json& row : document["rows"]) {
            if (row["mass_flow_kg_h"].is_null()) continue;  // a model that did not charge the vessel
            // A comparison's mass is the window's: at the 1 scfm asked for where the model is sized for it.
            const bool atDuty =
                c.flowKey != nullptr && std::string(c.flowKey) == "duty" && !row["duty_speed_percent"].is_null();
            const double scfm = atDuty ? 1.0
                                : c.flowKey != nullptr
                                    ? row["flow_scfm"].get<double>()
                                    : row["gas_delivered_scf"].get<double>() / row["fill_minutes"].get<double>();
            EXPECT_NEAR(row["mass_flow_kg_h"], scfm * 0.028316846592 * 60 * gas.standardDensity, 1e-9 * (1 + scfm))
                << row["model"];
            const Json& stages = row["stage_discharge_temperatures_c"];
            const bool two = stages.size() == 2;
            const double first = Discharge(c.celsius, two ? std::sqrt(ratio) : ratio, gas.k);
            EXPECT_NEAR(stages[0], first, 1e-9) << row["model"];
            if (two) {
                EXPECT_NEAR(stages[1], Discharge(first, std::sqrt(ratio), gas.k), 1e-9) << row["model"];
            }
            EXPECT_EQ(row["discharge_temperature_c"], stages.back());
            EXPECT_EQ(row["over_temperature_limit"], false);
        }
    }
}

// Hydrogen to 5000 psig: the real gas is less than the ideal count (its Z
// is above 1), the vessel fills sooner, and the ideal count is the
// catalogue's (final - initial) / 14.5 x capacity.
TEST(GasOptionsTest, TheRealGasCountChangesWhatTheVesselTakes) {
    const Words hydrogen = Join({{"fill"}, kFill, {"--gas", "hydrogen"}});
    const Json ideal = RunJson(hydrogen);
    const Json real = RunJson(Join({hydrogen, {"--real-gas"}}));
    EXPECT_EQ(ideal["contents_basis"], "ideal");
    EXPECT_EQ(real["contents_basis"], "real");
    ASSERT_FALSE(real["rows"].empty());
    for (const Json& r : real["rows"])
        for (const Json& i : ideal["rows"]) {
            if (i["model"] != r["model"]) continue;
            EXPECT_NEAR(i["gas_delivered_scf"], (5000.0 - 500) / 14.5, 1e-9);
            EXPECT_LT(r["gas_delivered_scf"], 0.9 * i["gas_delivered_scf"].get<double>()) << r["model"];
            EXPECT_LT(r["fill_minutes"], i["fill_minutes"]) << r["model"];
        }
}

// Carbon dioxide is liquid above about 816 psig at 20 degC: nothing is
// listed, and every place says why; at 40 degC, above its critical
// temperature, it stays a gas.
TEST(GasOptionsTest, AGasLiquidAtTheOutletIsRefusedWithItsReason) {
    const Words co2 = {"--gas", "carbon-dioxide"};
    const Words outlet1200 = {"--drive", "100", "--air", "100", "--inlet", "300", "--outlet", "1200", "--flow", "1"};
    const std::string liquefies = "Carbon dioxide liquefies at the outlet pressure of 1200 psig";
    const Outcome flow = RunSelect(Join({{"flow"}, outlet1200, co2}));
    EXPECT_EQ(flow.status, 0);
    EXPECT_NE(Lines(flow.out).back().find(liquefies), std::string::npos) << flow.out;
    const Json compared = RunJson(Join({{"compare"}, outlet1200, co2}));
    for (const Json& row : compared["rows"]) {
        EXPECT_EQ(row["listed"], false);
        EXPECT_EQ(row["meets_duty"], false);
        EXPECT_EQ(row["reason"].get<std::string>().rfind(liquefies, 0), 0u) << row["reason"];
    }
    const Outcome point =
        RunSelect(Join({{"point", "--model", "6", "--drive", "100", "--inlet", "300", "--outlet", "1200"}, co2}));
    EXPECT_EQ(point.status, 2);
    EXPECT_EQ(point.err.rfind("zorvik-select point: " + liquefies, 0), 0u) << point.err;
    EXPECT_FALSE(RunJson(Join({{"flow"}, outlet1200, co2, {"--gas-temperature", "40"}}))["rows"].empty());
}

// The table shows the gas's columns only for a gas other than air or with a
// limit; the safety note goes to stderr after a table, into the JSON else.
TEST(GasOptionsTest, ColumnsLimitAndSafetyNote) {
    const Words metric = {"--drive",  "6.9",   "--air",  "2831.7", "--inlet", "6.9",
                          "--outlet", "103.4", "--flow", "28.3",   "--metric"};
    const struct {
        Words options;
        const char* heading;  // the table's first line ends so
        bool note;
    } cases[] = {
        {kFlow, "Cycles/min", false},
        {Join({kFlow, {"--gas", "nitrogen"}}), "Cycles/min  Mass flow lb/h  Discharge upper bound degF", false},
        {Join({kFlow, {"--temperature-limit", "150"}}), "Discharge upper bound degF  Over limit", false},
        {Join({metric, {"--gas", "oxygen"}}), "Mass flow kg/h  Discharge upper bound degC", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.heading);
        const Outcome table = RunSelect(Join({{"flow"}, c.options}));
        ASSERT_EQ(table.status, 0) << table.err;
        const std::string first = Lines(table.out)[0];
        EXPECT_EQ(first.substr(first.size() - std::string(c.heading).size()), c.heading);
        EXPECT_EQ(table.err.find("safety note: Oxygen") != std::string::npos, c.note) << table.err;
        const Outcome json = RunSelect(Join({{"flow"}, c.options, {"--format", "json"}}));
        EXPECT_EQ(json.err, "");
        EXPECT_EQ(Json::parse(json.out)["safety_note"].is_string(), c.note);
    }
    // Over the limit exactly where the bound is.
    const Json limited = RunJson(Join({{"flow"}, kFlow, {"--temperature-limit", "300"}}));
    for (const Json& row : limited["rows"])
        EXPECT_EQ(row["over_temperature_limit"], row["discharge_temperature_c"].get<double>() > 300) << row["model"];
}

TEST(GasOptionsTest, UsageErrorsNameTheirOption) {
    const struct {
        Words words;
        const char* err;
    } cases[] = {
        {Join({{"flow"}, kFlow, {"--gas", "xenon"}}),
         "zorvik-select flow: --gas: unknown gas \"xenon\" (zorvik-select gases lists them)\n"},
        {Join({{"fill"}, kFill, {"--gas-temperature", "warm"}}),
         "zorvik-select fill: --gas-temperature: warm is not a valid value\n"},
        {Join({{"compare"}, kFlow, {"--temperature-limit", "-300"}}),
         "zorvik-select compare: --temperature-limit: -300 degC is not above absolute zero\n"},
        {Join({{"fill"}, kFill, {"--gas", "carbon-dioxide", "--gas-temperature", "70"}}),
         "Vessel temperature must be from -20 to 60 \xC2\xB0"
         "C (-4 to 140 \xC2\xB0"
         "F)!\n"},
    };
    for (const auto& c : cases) {
        const Outcome o = RunSelect(c.words);
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.err, c.err);
    }
}

}  // namespace
