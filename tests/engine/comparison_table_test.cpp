// The comparison's table text and chart lines: what a stalled model shows,
// the units of each system, the quoting of copied and saved text, and the
// ranges the charts are drawn over.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "comparison_curves.h"
#include "comparison_table.h"

namespace zorvik {
namespace {

const FlowDuty kDuty{100, 100, 100, 200, 2};  // RB-15 (6) listed, 4RBW-2 (4) stalls

const ComparisonTable::Row& RowNamed(const ComparisonTable& t, const std::string& label) {
    const auto it =
        std::find_if(t.rows.begin(), t.rows.end(), [&](const auto& r) { return English(r.label) == label; });
    EXPECT_NE(it, t.rows.end()) << label;
    return *it;
}

TEST(ComparisonTableTest, FiguresInTheWindowsUnitsAndNoneForAStalledModel) {
    const struct {
        bool metric;
        const char* flowLabel;
        const char* rb15Flow;
        const char* marginLabel;
    } cases[] = {
        {false, "Flow, scfm", "3.06", "Margin to maximum outlet, psi"},
        {true, "Flow, nl/min", "86.7", "Margin to maximum outlet, bar"},
    };
    for (const auto& c : cases) {
        const ComparisonTable t = FlowComparisonTable(CompareForFlow(kDuty, {4, 6}, {}, c.metric), c.metric);
        EXPECT_EQ(t.models, (std::vector<std::string>{"4RBW-2", "RB-15"})) << "names without their trailing blanks";
        EXPECT_EQ(English(RowNamed(t, c.flowLabel).cells[1]), c.rb15Flow);
        RowNamed(t, c.marginLabel);
        const std::string spare = std::string("Drive air to spare at the duty, ") + (c.metric ? "n.m3/min" : "scfm");
        for (const std::string& label :
             {std::string("Cycles per minute"), std::string("Speed, % of maximum"),
              std::string("Energy a year at the duty, kWh"), std::string("Cost a year at the duty"),
              std::string("Units in parallel for the flow"), std::string("Speed at the duty, % of maximum"), spare})
            EXPECT_EQ(English(RowNamed(t, label).cells[0]), "-") << label;
        // Why a model is not listed stands near the top, beside whether it meets the duty.
        EXPECT_EQ(English(t.rows[3].label), ReasonRowLabel);
        EXPECT_FALSE(RowNamed(t, ReasonRowLabel).cells[0].Empty());
        EXPECT_TRUE(RowNamed(t, ReasonRowLabel).cells[1].Empty());
    }
}

TEST(ComparisonTableTest, TabsForPastingQuotesForCsv) {
    ComparisonTable t;
    t.models = {"A \"big\" one", "B"};
    t.rows = {{"Flow, scfm", {"1.5", "2\t3"}}};
    EXPECT_EQ(TabSeparated(t, nullptr), "\tA \"big\" one\tB\nFlow, scfm\t1.5\t2 3\n");
    EXPECT_EQ(CommaSeparated(t, nullptr), "\"\",\"A \"\"big\"\" one\",\"B\"\n\"Flow, scfm\",\"1.5\",\"2\t3\"\n");
}

TEST(ComparisonCurvesTest, FlowLinesDeliverUpToStallAndMarkTheDuty) {
    const auto rows = CompareForFlow(kDuty, {4, 6}, {}, false);
    const ComparisonChartData chart = FlowChartData(rows, kDuty, false);
    ASSERT_TRUE(chart.marker.has_value());
    EXPECT_EQ((*chart.marker)[0], 200);
    EXPECT_EQ((*chart.marker)[1], 2);
    for (const ChartLine& line : chart.lines) {
        ASSERT_FALSE(line.points.empty()) << line.name;
        EXPECT_EQ(line.points.front()[0], kDuty.inletPsi) << "from no compression";
        for (const ChartPoint& p : line.points) EXPECT_GT(p[1], 0.0011);
        EXPECT_LE(line.points.back()[0], chart.xMax);
    }
    // RB-15's line passes through its listed figure at the duty's outlet.
    const ChartLine& rb15 = chart.lines[1];
    const auto at =
        std::find_if(rb15.points.begin(), rb15.points.end(), [](const ChartPoint& p) { return p[0] >= 200; });
    ASSERT_NE(at, rb15.points.end());
    EXPECT_LE((*at)[1], rows[1].candidate.delivered.flowScfm + 1e-9);
}

TEST(ComparisonCurvesTest, TimeAxisReachesTheSlowestListedModel) {
    const ChargeDuty duty{100, 100, 100, 100, 1000, 1};
    const auto rows = CompareForCharge(duty, {1, 6, 14}, {}, false);  // 1 cannot charge, 14 is the slowest
    const ComparisonChartData chart = FillChartData(rows, false);
    EXPECT_TRUE(chart.lines[0].points.empty());
    EXPECT_EQ(chart.xMax, rows[2].candidate.fillMinutes);
    EXPECT_EQ(chart.lines[1].points.back()[1], 1000);
    EXPECT_FALSE(chart.marker.has_value());
}

// The gas shows in the table and the conditions only where it is not air at
// the standard temperature or a discharge limit is set, so a comparison of
// air reads as before; a limit passed is said in the reason row.
TEST(ComparisonTableTest, GasRowsAndTheDischargeLimit) {
    const struct {
        Gas gas;
        std::optional<double> limitCelsius;
        bool shown;
        int overLimit;  // of the two models compared
    } cases[] = {
        {Gas::Air, std::nullopt, false, 0},
        {Gas::Oxygen, std::nullopt, true, 0},
        {Gas::Air, 60.0, true, 2},  // 100 to 200 psig heats air to about 89 degC
        {Gas::Helium, 200.0, true, 0},
    };
    for (const auto& c : cases) {
        FlowDuty duty{100, 100, 100, 200, 2, false, false};
        duty.gas = c.gas;
        duty.temperatureLimitCelsius = c.limitCelsius;
        const auto rows = CompareForFlow(duty, {5, 6}, {}, true);
        const ComparisonTable t = FlowComparisonTable(rows, true);
        const bool hasRow = std::any_of(t.rows.begin(), t.rows.end(), [](const ComparisonTable::Row& r) {
            return English(r.label).rfind("Discharge temperature", 0) == 0;
        });
        EXPECT_EQ(hasRow, c.shown) << static_cast<int>(c.gas);
        int over = 0;
        for (const Text& reason : RowNamed(t, ReasonRowLabel).cells)
            over += English(reason).find("above the") != std::string::npos;
        EXPECT_EQ(over, c.overLimit) << static_cast<int>(c.gas);
        const std::string conditions = English(FlowConditionsText(duty, {}, true));
        EXPECT_EQ(conditions.rfind("Drive", 0) == 0, c.gas == Gas::Air) << conditions;
    }
}

}  // namespace
}  // namespace zorvik

namespace zorvik {
namespace {

// Helium to 3000 psig on 40 scfm of air: the air search steps for RBZ-15/30
// yet leaves its figures whole, and takes flow from RBZ-7/30 and RBZ-30/50.
TEST(ComparisonStatementsTest, CutBackOnlyWhereTheAirTookFlowAway) {
    FlowDuty duty{100, 40, 100, 3000, 0.5};
    duty.gas = Gas::Helium;
    const struct {
        int model;
        bool searched, cutBack;
    } cases[] = {{12, true, true}, {13, true, false}, {14, true, true}, {6, true, false}, {1, false, false}};
    for (const auto& c : cases) {
        const FlowComparisonRow row = CompareForFlow(duty, {c.model}, {}, false).front();
        EXPECT_EQ(row.candidate.delivered.airLimited, c.searched) << c.model;
        EXPECT_EQ(row.candidate.CutBackToAir(), c.cutBack) << c.model;
        const ComparisonTable t = FlowComparisonTable({row}, false);
        EXPECT_EQ(English(RowNamed(t, "Cut back to the air available").cells[0]), c.cutBack ? "Yes" : "No") << c.model;
    }
    // A fill cut back at its start, and one whose start stands.
    const ChargeDuty fill{100, 10, 100, 100, 1000, 1};
    for (const auto& [model, cutBack] : {std::pair{12, true}, std::pair{1, false}}) {
        const ChargeComparisonRow row = CompareForCharge(fill, {model}, {}, false).front();
        EXPECT_EQ(row.candidate.cutBackToAir, cutBack) << model;
        EXPECT_TRUE(!cutBack || row.candidate.airLimited) << model;
    }
}

// The gas flow is compressor air only when it is air from the drive supply.
TEST(ComparisonStatementsTest, OnlyPlantAirAddsItsFlowToTheAirAndItsCost) {
    const struct {
        Gas gas;
        bool plantAir;
        bool counted;
    } cases[] = {{Gas::Air, true, true}, {Gas::Air, false, false}, {Gas::Nitrogen, true, false}};
    for (const auto& c : cases) {
        FlowDuty duty{100, 100, 100, 200, 2};
        duty.gas = c.gas;
        CostSettings cost;
        cost.inletIsPlantAir = c.plantAir;
        const FlowComparisonRow r = CompareForFlow(duty, {6}, cost, false).front();
        const double gasAir = c.counted ? 2 : 0;
        EXPECT_DOUBLE_EQ(r.dutyTotalAirScfm, r.duty.unitsDriveAirScfm + gasAir) << c.plantAir;
        EXPECT_DOUBLE_EQ(r.totalAirScfm,
                         r.candidate.delivered.airUseScfm + (c.counted ? r.candidate.delivered.flowScfm : 0));
        EXPECT_DOUBLE_EQ(r.annualKwh, AnnualKwh(cost, r.duty.unitsDriveAirScfm + gasAir)) << c.plantAir;
        const ComparisonTable t = FlowComparisonTable({r}, false);
        const bool totals = std::any_of(t.rows.begin(), t.rows.end(), [](const auto& row) {
            return English(row.label).rfind("Total input air", 0) == 0;
        });
        EXPECT_EQ(totals, c.counted) << static_cast<int>(c.gas) << c.plantAir;
    }
}

// Every label once, whatever the gas and limit add; the listed flags follow the rows.
TEST(ComparisonStatementsTest, EveryLabelOnceAndTheListedFlagsFollow) {
    FlowDuty flow{100, 100, 100, 200, 2};
    flow.gas = Gas::Hydrogen;
    flow.temperatureLimitCelsius = 60;
    ChargeDuty fill{100, 100, 100, 100, 1500, 1};
    fill.gas = Gas::Hydrogen;
    fill.temperatureLimitCelsius = 60;
    CostSettings plant;
    plant.inletIsPlantAir = true;
    const auto flowRows = CompareForFlow(flow, AllModels(), plant, true);
    const auto fillRows = CompareForCharge(fill, AllModels(), plant, false);
    for (const ComparisonTable& t : {FlowComparisonTable(flowRows, true), ChargeComparisonTable(fillRows, false)}) {
        std::set<std::string> labels;
        for (const auto& row : t.rows) EXPECT_TRUE(labels.insert(English(row.label)).second) << row.label;
        ASSERT_EQ(t.listed.size(), t.models.size());
        const auto& listed = RowNamed(t, "Listed by the selection").cells;
        for (std::size_t i = 0; i < t.models.size(); ++i)
            EXPECT_EQ(t.listed[i], English(listed[i]) == "Yes") << t.models[i];
    }
}

}  // namespace
}  // namespace zorvik
