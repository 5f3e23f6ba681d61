// The figures a reopened job compares with those it saved: numbers, facts
// and what was decided, never the words that said it.

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include <nlohmann/json.hpp>

#include "item_figures.h"
#include "job_json.h"

namespace zorvik::job {
namespace {

TEST(ItemFiguresTest, FiguresFollowTheItem) {
    JobItem item;
    item.model = 6;
    const CostSettings cost;
    const ItemFigures listed = ComputeFigures(item, cost);
    EXPECT_TRUE(listed.refused.empty());
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
        {"a refused duty", [](JobItem& i, CostSettings&) { i.duty.drive = "x"; }, {"refused", "air_scfm", "annual_cost", "annual_kwh", "compression_ratio", "cycles_per_min", "flow_scfm", "stall_psi", "units_needed", "air_limited", "listed"}},
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
        {"a refusal", {"drive_too_low", {}, {}}, {{"refused", "none", "drive_too_low"}, {"flow_scfm", "3", "none"}, {"old", "1", "none"}, {"listed", "yes", "none"}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        std::vector<std::vector<std::string>> changes;
        for (const FigureChange& f : ChangedFigures(saved, c.now)) changes.push_back({f.name, f.saved, f.now});
        EXPECT_EQ(changes, c.changes) << c.what;
    }
}

// Files written before the codes kept the English sentence that stopped a
// duty: it reads as the code the duty gets now, so checking an old file
// reports no change for its wording alone.
TEST(ItemFiguresTest, AnOldFilesSentenceReadsAsItsCode) {
    const struct {
        const char* sentence;
        const char* code;
        // clang-format off
    } cases[] = {
        {"outlet: -5 is not valid value", "outlet"},
        {"gas_temperature: warm is not valid value", "gas_temperature"},
        {"Drive air pressure is too high!", "drive_too_high"},
        {"Outlet pressure must be greater\rthan inlet pressure!", "outlet_below_inlet"},
        {"Something no version said", "other"},
        {"", ""},
        // clang-format on
    };
    for (const auto& c : cases) {
        const std::string file = std::string(R"({"format": "zorvik-job", "version": 1, "job": {}, "items": [{"tag": "A",
            "application": "flow", "duty": {"drive": "100", "air": "100", "inlet": "100", "outlet": "200",
            "flow": "2"}, "figures": {"problem": )") +
                                 nlohmann::json(c.sentence).dump() + "}}]}";
        const JobParse read = ParseJobText(file);
        ASSERT_TRUE(read.job) << English(read.error);
        EXPECT_EQ(read.job->items[0].savedFigures->refused, c.code) << c.sentence;
    }
}

}  // namespace
}  // namespace zorvik::job
