// An item's duty as a page lists it: each text exactly as typed, in the
// item's own units, the inlet of an item that takes the drive air as the
// drive pressure, and the fields of its application only.

#include <gtest/gtest.h>

#include "comparison_units.h"
#include "item_figures.h"
#include "schedule.h"
#include "xlsx_library.h"

namespace zorvik::job {
namespace {

std::vector<std::string> Values(const JobItem& item) {
    std::vector<std::string> values;
    for (const DutyLine& line : DutyLines(item)) values.push_back(English(line.value));
    return values;
}

TEST(DutyLinesTest, TextsAsTypedInTheItemsUnits) {
    JobItem flow;
    flow.duty.drive = "90";
    flow.duty.outlet = "900.0";
    flow.duty.flow = "3.50";
    flow.duty.inletEqualsDrive = true;
    JobItem unlimited = flow;
    unlimited.duty.ignoreAir = true;
    unlimited.duty.ignoreFlow = true;
    JobItem fill;
    fill.application = Application::Fill;
    fill.duty.units = UnitSystem::Metric;
    fill.duty.initial = "6.9";
    fill.duty.capacity = "28.30";
    JobItem gas = fill;
    gas.duty.gas = "hydrogen";
    gas.duty.gasTemperature = "-5.5";
    gas.duty.temperatureLimit = "60";
    gas.duty.realGas = true;
    // clang-format off
    const struct { const char* item; JobItem job; std::vector<std::string> values; } cases[] = {
        {"flow",      flow,      {"90 psig", "100 scfm", "90 psig, the air drive pressure", "900.0 psig", "3.50 scfm", "Air at 68 \u00b0F"}},
        {"unlimited", unlimited, {"90 psig", "unlimited (the air available is ignored)", "90 psig, the air drive pressure", "900.0 psig", "any (the flow rate is ignored)", "Air at 68 \u00b0F"}},
        {"fill",      fill,      {"100 barg", "100 nl/min", "100 barg", "6.9 barg", "1000 barg", "28.30 litres", "Air at 20 \u00b0C", "counted as an ideal gas"}},
        {"gas",       gas,       {"100 barg", "100 nl/min", "100 barg", "6.9 barg", "1000 barg", "28.30 litres", "Hydrogen at -5.5 \u00b0C", "60 \u00b0C", "counted with the real-gas model"}},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(Values(c.job), c.values) << c.item;
}

// A customer pays for the duty: each model's row shows the flow asked for
// with the air and speed that flow takes, not the model flat out; a model
// that can't be sized for it shows no figures.
TEST(ScheduleFiguresTest, AFlowItemShowsTheDutyNotTheModelFlatOut) {
    JobItem item;
    item.duty.outlet = "1500";
    item.duty.flow = "2.00";
    int throttled = 0;
    for (int model = 1; model <= 15; ++model) {
        item.model = model;
        const ItemResult result = ComputeItem(item, CostSettings{});
        ASSERT_TRUE(result.flow) << model;
        const FlowComparisonRow& r = *result.flow;
        const std::vector<Text> row = ScheduleRow(item, result);
        std::vector<std::string> figures;
        for (auto cell = row.begin() + 5; cell != row.begin() + 8; ++cell) figures.push_back(English(*cell));
        if (!r.duty.Sized()) {
            EXPECT_EQ(figures, std::vector<std::string>(3, "")) << model;
            continue;
        }
        EXPECT_EQ(figures[0], GasFlowText(2.0, false)) << model;
        EXPECT_EQ(figures[1], DriveAirText(r.duty.unitsDriveAirScfm, false)) << model;
        if (r.duty.dutySpeedPercent < 0.9 * r.duty.fullSpeedPercent) {
            ++throttled;
            EXPECT_NE(figures[1], DriveAirText(r.duty.fullSpeedAirScfm, false)) << model;
        }
    }
    EXPECT_GT(throttled, 0) << "the duty throttles some model below its full speed";
}

// The spreadsheet writer is loaded when a workbook is written; without it
// the workbook is refused with the library named, and nothing is written.
TEST(ScheduleXlsxTest, AMissingLibraryIsNamed) {
    Text error;
    EXPECT_EQ(LoadXlsxLibrary(error, "libzorvik-absent.so.0"), nullptr);
    EXPECT_EQ(English(error), "Workbooks cannot be written: the library libzorvik-absent.so.0 is not installed.");
    EXPECT_NE(LoadXlsxLibrary(error), nullptr) << error;
    EXPECT_EQ(LoadXlsxLibrary(error), LoadXlsxLibrary(error)) << "loaded once";
}

}  // namespace
}  // namespace zorvik::job
