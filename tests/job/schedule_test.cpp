// An item's duty as a page lists it: each text exactly as typed, in the
// item's own units, the inlet of an item that takes the drive air as the
// drive pressure, and the fields of its application only.

#include <gtest/gtest.h>

#include "schedule.h"

namespace zorvik::job {
namespace {

std::vector<std::string> Values(const JobItem& item) {
    std::vector<std::string> values;
    for (const DutyLine& line : DutyLines(item)) values.push_back(line.value);
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
    // clang-format off
    const struct { const char* item; JobItem job; std::vector<std::string> values; } cases[] = {
        {"flow",      flow,      {"90 psig", "100 scfm", "90 psig, the air drive pressure", "900.0 psig", "3.50 scfm"}},
        {"unlimited", unlimited, {"90 psig", "unlimited (the air available is ignored)", "90 psig, the air drive pressure", "900.0 psig", "any (the flow rate is ignored)"}},
        {"fill",      fill,      {"100 barg", "100 nl/min", "100 barg", "6.9 barg", "1000 barg", "28.30 litres"}},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(Values(c.job), c.values) << c.item;
}

}  // namespace
}  // namespace zorvik::job
