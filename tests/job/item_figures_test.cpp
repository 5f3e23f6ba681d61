// An item's duty read as the selection window reads its fields, and the
// figures a reopened job compares with those it saved.

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "item_figures.h"
#include "text_catalog.h"

namespace zorvik::job {
namespace {

TEST(ItemDutyTest, TypedDutiesReadAsTheWindowReadsThem) {
    const struct {
        const char* what;
        Application application;
        std::function<void(ItemDuty&)> type;
        std::string problem;
        double drivePsi = 0, inletPsi = 0, lastPsi = 0;  // lastPsi: outlet, or final of a fill
        double volume = 0;                               // required scfm, or capacity cubic feet
        // clang-format off
    } cases[] = {
        {"defaults", Application::Flow, [](ItemDuty&) {}, "", 100, 100, 200, 2},
        {"blanks round a number", Application::Flow, [](ItemDuty& d) { d.drive = "  90  "; }, "", 90, 100, 200, 2},
        {"metric", Application::Flow, [](ItemDuty& d) { (d.units = UnitSystem::Metric, d.drive = "6.9", d.inlet = "5", d.outlet = "10", d.flow = "28.316847"); }, "", 6.9 * 14.50377, 5 * 14.50377, 10 * 14.50377, 1},
        {"metric capacity in litres", Application::Fill, [](ItemDuty& d) { (d.units = UnitSystem::Metric, d.drive = "6.9", d.inlet = "5", d.initial = "5", d.final = "69", d.capacity = "56.633694"); }, "", 6.9 * 14.50377, 5 * 14.50377, 69 * 14.50377, 2},
        {"inlet from the drive", Application::Flow, [](ItemDuty& d) { (d.inletEqualsDrive = true, d.drive = "120", d.inlet = "5"); }, "", 120, 120, 200, 2},
        {"empty field", Application::Flow, [](ItemDuty& d) { d.air = " "; }, "air: Null is not valid value"},
        {"negative", Application::Flow, [](ItemDuty& d) { d.outlet = "-5"; }, "outlet: -5 is not valid value"},
        {"minus zero", Application::Fill, [](ItemDuty& d) { d.capacity = "-0"; }, "capacity: -0 is not valid value"},
        {"decimal comma", Application::Fill, [](ItemDuty& d) { d.initial = "1,5"; }, "initial: 1,5 is not valid value"},
        {"metric overflow", Application::Flow, [](ItemDuty& d) { (d.units = UnitSystem::Metric, d.drive = "1e308"); }, "drive: 1e308 is not valid value"},
        {"a vessel past any duty", Application::Fill, [](ItemDuty& d) { d.capacity = "1e10"; }, "capacity: 1e10 is not valid value"},
        {"the window's order: outlet before inlet", Application::Flow, [](ItemDuty& d) { (d.inlet = "x", d.outlet = "y"); }, "outlet: y is not valid value"},
        {"drive too high", Application::Flow, [](ItemDuty& d) { d.drive = "150.1"; }, "Drive air pressure is too high!"},
        {"no flow, even when ignored", Application::Flow, [](ItemDuty& d) { (d.flow = "0", d.ignoreFlow = true); }, "Flow rate cannot be zero!\rNo Amplifier needed."},
        {"the last failing check", Application::Flow, [](ItemDuty& d) { (d.drive = "30", d.outlet = "50"); }, "Outlet pressure must be greater\rthan inlet pressure!"},
        {"initial above final", Application::Fill, [](ItemDuty& d) { (d.initial = "1200"); }, "Initial outlet pressure must be less than final outlet pressure!"},
        {"a fill ignores the flow fields", Application::Fill, [](ItemDuty& d) { (d.outlet = "x", d.flow = "0"); }, "", 100, 100, 1000, 1},
        // clang-format on
    };
    for (const auto& c : cases) {
        ItemDuty duty;
        c.type(duty);
        const DutyReading r = ReadDuty(c.application, duty);
        EXPECT_EQ(r.problem, c.problem) << c.what;
        if (!c.problem.empty()) continue;
        const bool flow = c.application == Application::Flow;
        EXPECT_DOUBLE_EQ(flow ? r.flow.drivePsi : r.fill.drivePsi, c.drivePsi) << c.what;
        EXPECT_DOUBLE_EQ(flow ? r.flow.inletPsi : r.fill.inletPsi, c.inletPsi) << c.what;
        EXPECT_DOUBLE_EQ(flow ? r.flow.outletPsi : r.fill.finalPsi, c.lastPsi) << c.what;
        EXPECT_DOUBLE_EQ(flow ? r.flow.flowRequiredScfm : r.fill.capacityFt3, c.volume) << c.what;
    }
}

// The gas controls as the window reads them: degF unless metric, an empty
// temperature the standard 20 degC, an empty limit none; a gas or text the
// window could not hold marks the item.
TEST(ItemDutyTest, AnItemsGasReadsAsTheWindowsGasControls) {
    const struct {
        const char* what;
        Application application;
        std::function<void(ItemDuty&)> type;
        std::string problem;
        Gas gas = Gas::Air;
        double celsius = 20;
        std::optional<double> limit = std::nullopt;
        ContentsCount contents = ContentsCount::Ideal;
        // clang-format off
    } cases[] = {
        {"air by default", Application::Flow, [](ItemDuty&) {}, ""},
        {"degF", Application::Flow, [](ItemDuty& d) { (d.gas = "nitrogen", d.gasTemperature = "-4", d.temperatureLimit = " 212 "); }, "", Gas::Nitrogen, -20, 100},
        {"degC when metric", Application::Fill, [](ItemDuty& d) { (d.units = UnitSystem::Metric, d.drive = "6.9", d.inlet = "5", d.initial = "5", d.final = "69", d.gas = "hydrogen", d.gasTemperature = "35", d.realGas = true); }, "", Gas::Hydrogen, 35, std::nullopt, ContentsCount::RealGas},
        {"real gas is a fill's only", Application::Flow, [](ItemDuty& d) { d.realGas = true; }, ""},
        {"unknown gas", Application::Fill, [](ItemDuty& d) { d.gas = "Nitrogen"; }, "gas: Nitrogen is not a gas the program sizes"},
        {"temperature not a number", Application::Flow, [](ItemDuty& d) { d.gasTemperature = "warm"; }, "gas_temperature: warm is not valid value"},
        {"limit not a number", Application::Fill, [](ItemDuty& d) { d.temperatureLimit = "1e999"; }, "temperature_limit: 1e999 is not valid value"},
        {"a refused field first", Application::Flow, [](ItemDuty& d) { (d.outlet = "-1", d.gas = "xenon"); }, "outlet: -1 is not valid value"},
        // clang-format on
    };
    for (const auto& c : cases) {
        ItemDuty duty;
        c.type(duty);
        const DutyReading r = ReadDuty(c.application, duty);
        EXPECT_EQ(r.problem, c.problem) << c.what;
        if (!c.problem.empty()) continue;
        const bool flow = c.application == Application::Flow;
        EXPECT_EQ(flow ? r.flow.gas : r.fill.gas, c.gas) << c.what;
        EXPECT_NEAR(flow ? r.flow.gasCelsius : r.fill.vesselCelsius, c.celsius, 1e-12) << c.what;
        EXPECT_EQ(flow ? r.flow.temperatureLimitCelsius : r.fill.temperatureLimitCelsius, c.limit) << c.what;
        if (!flow) {
            EXPECT_EQ(r.fill.contents, c.contents) << c.what;
        }
    }
}

// Below the inlet the vessel is equalised first, as the window's OK does.
TEST(ItemDutyTest, AFillBelowTheInletStartsAtTheInlet) {
    const struct {
        std::string initial;
        bool equalised;
        double startPsi;
    } cases[] = {{"50", true, 100}, {"100", false, 100}, {"150", false, 150}};
    for (const auto& c : cases) {
        ItemDuty duty;
        duty.initial = c.initial;
        const DutyReading r = ReadDuty(Application::Fill, duty);
        EXPECT_EQ(r.equalised, c.equalised) << c.initial;
        EXPECT_EQ(r.fill.startPsi, c.startPsi) << c.initial;
    }
}

TEST(ItemFiguresTest, FiguresFollowTheItem) {
    JobItem item;
    item.model = 6;
    const CostSettings cost;
    const ItemFigures listed = ComputeFigures(item, cost);
    EXPECT_TRUE(listed.problem.empty());
    EXPECT_TRUE(listed.flags.at("listed"));
    EXPECT_GT(listed.numbers.at("flow_scfm"), 2);

    const struct {
        const char* what;
        std::function<void(JobItem&, CostSettings&)> change;
        std::vector<std::string> changed;  // the names of the figures that move
        // clang-format off
    } cases[] = {
        {"nothing", [](JobItem&, CostSettings&) {}, {}},
        {"the price", [](JobItem&, CostSettings& c) { c.pricePerKwh *= 2; }, {"annual_cost"}},
        {"plant air", [](JobItem&, CostSettings& c) { c.inletIsPlantAir = true; }, {"annual_cost", "annual_kwh"}},
        {"a larger flow than it delivers", [](JobItem& i, CostSettings&) { i.duty.flow = "50"; }, {"annual_cost", "annual_kwh", "units_needed", "listed"}},
        {"no model", [](JobItem& i, CostSettings&) { i.model.reset(); }, {"air_scfm", "annual_cost", "annual_kwh", "compression_ratio", "cycles_per_min", "flow_scfm", "stall_psi", "units_needed", "air_limited", "listed"}},
        {"a refused duty", [](JobItem& i, CostSettings&) { i.duty.drive = "x"; }, {"problem", "air_scfm", "annual_cost", "annual_kwh", "compression_ratio", "cycles_per_min", "flow_scfm", "stall_psi", "units_needed", "air_limited", "listed"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        JobItem changedItem = item;
        CostSettings changedCost = cost;
        c.change(changedItem, changedCost);
        std::vector<std::string> names;
        for (const FigureChange& f : ChangedFigures(listed, ComputeFigures(changedItem, changedCost)))
            names.push_back(f.name);
        EXPECT_EQ(names, c.changed) << c.what;
    }
}

TEST(ItemFiguresTest, ChangesAreNamedWithBothValues) {
    const ItemFigures saved = {"", {{"flow_scfm", 3.0}, {"old", 1}}, {{"listed", true}}};
    const struct {
        const char* what;
        ItemFigures now;
        std::vector<std::vector<std::string>> changes;  // name, saved, now
        // clang-format off
    } cases[] = {
        {"the same", saved, {}},
        {"within the last digits", {"", {{"flow_scfm", 3.0 * (1 + 9e-9)}, {"old", 1}}, {{"listed", true}}}, {}},
        {"a real change", {"", {{"flow_scfm", 3.0000001}, {"old", 1}}, {{"listed", true}}}, {{"flow_scfm", "3", "3.0000001"}}},
        {"a figure gone and one new", {"", {{"flow_scfm", 3.0}, {"new", 2.5}}, {{"listed", true}}}, {{"new", "none", "2.5"}, {"old", "1", "none"}}},
        {"a fact", {"", {{"flow_scfm", 3.0}, {"old", 1}}, {{"listed", false}}}, {{"listed", "yes", "no"}}},
        {"a problem", {"Drive air pressure is too low!", {}, {}}, {{"problem", "none", "Drive air pressure is too low!"}, {"flow_scfm", "3", "none"}, {"old", "1", "none"}, {"listed", "yes", "none"}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        std::vector<std::vector<std::string>> changes;
        for (const FigureChange& f : ChangedFigures(saved, c.now)) changes.push_back({f.name, f.saved, f.now});
        EXPECT_EQ(changes, c.changes) << c.what;
    }
}

// The figures kept in a job file are compared when it is opened again,
// perhaps in another language: a problem saved in German would read as a
// change when the job is checked in English.
TEST(ItemFiguresTest, KeptFiguresAreTheSameInEveryLanguage) {
    JobItem item;
    item.model = 6;
    item.duty.drive = "30";
    item.duty.outlet = "50";
    const ItemFigures english = ComputeFigures(item, {});
    const TextTranslator before =
        SetTextTranslator([](const char*, const char* source) { return "[" + std::string(source) + "]"; });
    const ItemFigures translated = ComputeFigures(item, {});
    const std::string shown = ComputeItem(item, {}).reading.problem;
    SetTextTranslator(before);
    EXPECT_FALSE(english.problem.empty());
    EXPECT_EQ(translated.problem, english.problem);
    EXPECT_TRUE(ChangedFigures(english, translated).empty());
    EXPECT_EQ(shown, "[" + english.problem + "]");
}

}  // namespace
}  // namespace zorvik::job
