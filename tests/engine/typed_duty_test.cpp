// A typed duty read as every front end reads it - the selection window, a
// job item, the command line: trimmed, converted from metric, refused when
// it is empty, malformed or negative, then the search's own checks; what
// stops it said in English and kept as a code.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "typed_duty.h"

namespace zorvik {
namespace {

TEST(TypedDutyTest, TypedDutiesReadAsTheWindowReadsThem) {
    const struct {
        const char* what;
        Application application;
        std::function<void(TypedDuty&)> type;
        std::string problem;  // in English, and its code below
        std::string code;
        double drivePsi = 0, inletPsi = 0, lastPsi = 0;  // lastPsi: outlet, or final of a fill
        double volume = 0;                               // required scfm, or capacity cubic feet
        // clang-format off
    } cases[] = {
        {"defaults", Application::Flow, [](TypedDuty&) {}, "", "", 100, 100, 200, 2},
        {"blanks round a number", Application::Flow, [](TypedDuty& d) { d.drive = "  90  "; }, "", "", 90, 100, 200, 2},
        {"metric", Application::Flow, [](TypedDuty& d) { (d.units = UnitSystem::Metric, d.drive = "6.9", d.inlet = "5", d.outlet = "10", d.flow = "28.316847"); }, "", "", 6.9 * 14.50377, 5 * 14.50377, 10 * 14.50377, 1},
        {"metric capacity in litres", Application::Fill, [](TypedDuty& d) { (d.units = UnitSystem::Metric, d.drive = "6.9", d.inlet = "5", d.initial = "5", d.final = "69", d.capacity = "56.633694"); }, "", "", 6.9 * 14.50377, 5 * 14.50377, 69 * 14.50377, 2},
        {"inlet from the drive", Application::Flow, [](TypedDuty& d) { (d.inletEqualsDrive = true, d.drive = "120", d.inlet = "5"); }, "", "", 120, 120, 200, 2},
        {"empty field", Application::Flow, [](TypedDuty& d) { d.air = " "; }, "air: Null is not valid value", "air"},
        {"negative", Application::Flow, [](TypedDuty& d) { d.outlet = "-5"; }, "outlet: -5 is not valid value", "outlet"},
        {"minus zero", Application::Fill, [](TypedDuty& d) { d.capacity = "-0"; }, "capacity: -0 is not valid value", "capacity"},
        {"decimal comma", Application::Fill, [](TypedDuty& d) { d.initial = "1,5"; }, "initial: 1,5 is not valid value", "initial"},
        {"metric overflow", Application::Flow, [](TypedDuty& d) { (d.units = UnitSystem::Metric, d.drive = "1e308"); }, "drive: 1e308 is not valid value", "drive"},
        {"a vessel past any duty", Application::Fill, [](TypedDuty& d) { d.capacity = "1e10"; }, "capacity: 1e10 is not valid value", "capacity"},
        {"the window's order: outlet before inlet", Application::Flow, [](TypedDuty& d) { (d.inlet = "x", d.outlet = "y"); }, "outlet: y is not valid value", "outlet"},
        {"drive too high", Application::Flow, [](TypedDuty& d) { d.drive = "150.1"; }, "Drive air pressure is too high!", "drive_too_high"},
        {"no flow, even when ignored", Application::Flow, [](TypedDuty& d) { (d.flow = "0", d.ignoreFlow = true); }, "Flow rate cannot be zero!\rNo Amplifier needed.", "flow_zero"},
        {"the last failing check", Application::Flow, [](TypedDuty& d) { (d.drive = "30", d.outlet = "50"); }, "Outlet pressure must be greater\rthan inlet pressure!", "outlet_below_inlet"},
        {"initial above final", Application::Fill, [](TypedDuty& d) { (d.initial = "1200"); }, "Initial outlet pressure must be less than final outlet pressure!", "initial_above_final"},
        {"a fill ignores the flow fields", Application::Fill, [](TypedDuty& d) { (d.outlet = "x", d.flow = "0"); }, "", "", 100, 100, 1000, 1},
        // clang-format on
    };
    for (const auto& c : cases) {
        TypedDuty duty;
        c.type(duty);
        const DutyReading r = ReadTypedDuty(c.application, duty);
        EXPECT_EQ(English(r.problem), c.problem) << c.what;
        EXPECT_EQ(ReadingCode(r), c.code) << c.what;
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
TEST(TypedDutyTest, AnItemsGasReadsAsTheWindowsGasControls) {
    const struct {
        const char* what;
        Application application;
        std::function<void(TypedDuty&)> type;
        std::string problem;  // in English, and its code below
        std::string code;
        Gas gas = Gas::Air;
        double celsius = 20;
        std::optional<double> limit = std::nullopt;
        ContentsCount contents = ContentsCount::Ideal;
        // clang-format off
    } cases[] = {
        {"air by default", Application::Flow, [](TypedDuty&) {}, "", ""},
        {"degF", Application::Flow, [](TypedDuty& d) { (d.gas = "nitrogen", d.gasTemperature = "-4", d.temperatureLimit = " 212 "); }, "", "", Gas::Nitrogen, -20, 100},
        {"degC when metric", Application::Fill, [](TypedDuty& d) { (d.units = UnitSystem::Metric, d.drive = "6.9", d.inlet = "5", d.initial = "5", d.final = "69", d.gas = "hydrogen", d.gasTemperature = "35", d.realGas = true); }, "", "", Gas::Hydrogen, 35, std::nullopt, ContentsCount::RealGas},
        {"real gas is a fill's only", Application::Flow, [](TypedDuty& d) { d.realGas = true; }, "", ""},
        {"unknown gas", Application::Fill, [](TypedDuty& d) { d.gas = "Nitrogen"; }, "gas: Nitrogen is not a gas the program sizes", "gas"},
        {"temperature not a number", Application::Flow, [](TypedDuty& d) { d.gasTemperature = "warm"; }, "gas_temperature: warm is not valid value", "gas_temperature"},
        {"limit not a number", Application::Fill, [](TypedDuty& d) { d.temperatureLimit = "1e999"; }, "temperature_limit: 1e999 is not valid value", "temperature_limit"},
        {"a refused field first", Application::Flow, [](TypedDuty& d) { (d.outlet = "-1", d.gas = "xenon"); }, "outlet: -1 is not valid value", "outlet"},
        // clang-format on
    };
    for (const auto& c : cases) {
        TypedDuty duty;
        c.type(duty);
        const DutyReading r = ReadTypedDuty(c.application, duty);
        EXPECT_EQ(English(r.problem), c.problem) << c.what;
        EXPECT_EQ(ReadingCode(r), c.code) << c.what;
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
TEST(TypedDutyTest, AFillBelowTheInletStartsAtTheInlet) {
    const struct {
        std::string initial;
        bool equalised;
        double startPsi;
    } cases[] = {{"50", true, 100}, {"100", false, 100}, {"150", false, 150}};
    for (const auto& c : cases) {
        TypedDuty duty;
        duty.initial = c.initial;
        const DutyReading r = ReadTypedDuty(Application::Fill, duty);
        EXPECT_EQ(r.equalised, c.equalised) << c.initial;
        EXPECT_EQ(r.fill.startPsi, c.startPsi) << c.initial;
    }
}

// The desktop's decimal separator is read as the point, blanks round it
// too; a text that is no number either way is quoted as typed.
TEST(TypedDutyTest, TheDesktopsSeparator) {
    const struct {
        const char* typed;
        char decimal;
        std::optional<double> value;
        EntryFault fault;
        // clang-format off
    } cases[] = {
        {"1,5", ',', 1.5, EntryFault::None},
        {" 1,5 ", ',', 1.5, EntryFault::None},
        {"1.5", ',', 1.5, EntryFault::None},
        {"1,5", '.', std::nullopt, EntryFault::NotValid},
        {"1,000,5", ',', std::nullopt, EntryFault::NotValid},
        {"   ", ',', std::nullopt, EntryFault::Empty},
        // clang-format on
    };
    for (const auto& c : cases) {
        EntryFault fault = EntryFault::None;
        EXPECT_EQ(ReadTypedNumber(c.typed, c.decimal, fault), c.value) << c.typed;
        EXPECT_EQ(fault, c.fault) << c.typed;
    }
    EXPECT_EQ(English(EntryFaultText(EntryFault::NotValid, " 1,000,5 ")), "1,000,5 is not valid value");
}

// The window's gas temperature field refuses an empty text that a job
// item, or an option not given, takes as the standard 20 degC.
TEST(TypedDutyTest, AnEmptyGasTemperatureByTheRulesOfTheReader) {
    TypedDuty duty;
    duty.gasTemperature = "  ";
    EXPECT_EQ(ReadTypedDuty(Application::Flow, duty).flow.gasCelsius, 20);
    EXPECT_EQ(ReadingCode(ReadTypedDuty(Application::Flow, duty, {'.', false})), "gas_temperature");
    duty.gasTemperature = "68,0";
    EXPECT_NEAR(ReadTypedDuty(Application::Flow, duty, {',', false}).flow.gasCelsius, 20, 1e-12);
}

}  // namespace
}  // namespace zorvik
