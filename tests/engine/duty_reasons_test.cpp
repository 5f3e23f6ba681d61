// What the comparison says about a model the list leaves out: judged at the
// duty, a model that meets it throttled says so, one that does not names
// what it misses and by how much; a two-stage model whose interstage stalls
// is blamed on that, and an empty charge on nothing to charge.

#include <gtest/gtest.h>

#include "comparison.h"
#include "comparison_reasons.h"
#include "duty_search.h"

namespace zorvik {
namespace {

TEST(DutyReasonsTest, WhatTheDutyMissesAndByHowMuch) {
    const struct {
        int model;
        FlowDuty duty;
        bool metric;
        const char* reason;
    } cases[] = {
        {13,
         {100, 100, 100, 1500, 2},
         false,
         "Delivers 1.92 scfm flat out, 4.2 % short of the 2.00 scfm required (a near miss); 2 units in parallel, "
         "each at 43 % of maximum speed, use 78.3 scfm of drive air together, within the 100.0 scfm available"},
        {10,
         {6 * 14.50377, 800 / 28.316847, 6 * 14.50377, 20 * 14.50377, 120 / 28.316847},
         true,
         "Delivers 108.4 nl/min flat out, 9.7 % short of the 120.0 nl/min required (a near miss); 2 units in "
         "parallel, each at 51 % of maximum speed, use 2.34 n.m3/min of drive air together, more than the 0.80 "
         "n.m3/min available"},
        {6,
         {100, 1000, 100, 1000, 1.3846},
         false,
         "Delivers 1.3845 scfm flat out, under 0.1 % short of the 1.3846 scfm required (a near miss); 2 units in "
         "parallel, each at 33 % of maximum speed, use 63.5 scfm of drive air together, within the 1000.0 scfm "
         "available"},
        {12,
         {100, 30, 100, 1500, 2},
         false,
         "Needs 37.2 scfm of drive air at 40 % of maximum speed; the 30.0 scfm available is 19 % short"},
        {6,
         {100, 50, 100, 1000, 1.2},
         false,
         "Meets the duty at 57 % of maximum speed (above the 50 % advised for continuous duty) on 49.9 of the 50.0 "
         "scfm available; the list's method, which runs the amplifier flat out on the air available, leaves it "
         "out"},
        {4,
         {100, 100, 100, 200, 2},
         false,
         "Delivers no flow: it stalls at 197 psig, below the outlet pressure of 200 psig; 2.00 scfm is required"},
        {12,
         {100, 200, 210, 1000, 0.1},
         false,
         "Delivers no flow: its interstage stalls, because an inlet of 210 psig needs more drive pressure than the "
         "100 psig available (at least 105 psig); it stalls at 900 psig, below the outlet pressure of 1000 psig; "
         "0.10 scfm is required"},
        {13,
         {100, 200, 1600, 3000, 0.1},
         false,
         "Delivers no flow: its interstage stalls, because an inlet of 1600 psig needs more drive pressure than the "
         "100 psig available (at least 107 psig); it stalls at the outlet pressure of 3000 psig; 0.10 scfm is "
         "required"},
        {14, {100, 300, 200, 5200, 0.1}, false, "Outlet pressure 5200 psig is above this model's maximum of 5000 psig"},
        {10,
         {100, 100, 300, 1200, 2, false, false, Gas::CarbonDioxide},
         false,
         "Carbon dioxide liquefies at the outlet pressure of 1200 psig at 68.0 \xC2\xB0"
         "F, at and above its vapour pressure of 816 psig there"},
    };
    for (const auto& c : cases) {
        const FlowComparisonRow row = CompareForFlow(c.duty, {c.model}, {}, c.metric).front();
        EXPECT_EQ(English(row.reason), c.reason) << "model " << c.model;
    }
}

// The stall figure shown is where the model stops: RBZ-7/30's interstage
// holds it to 9 x 100 psig, not 100 x 30 + 210 x 4.2.
TEST(DutyReasonsTest, StallPressureShownIsTheModelsOwn) {
    const FlowComparisonRow row = CompareForFlow({100, 200, 210, 1000, 0.1}, {12}, {}, false).front();
    EXPECT_EQ(row.candidate.requested.stallOutletPsi, 900);
    const FlowDuty listed{100, 200, 210, 1000, 0.1};
    EXPECT_EQ(FlowRejectionText(CatalogueRow(12), listed, EvaluateForFlow(CatalogueRow(12), listed), false), row.reason)
        << "the list's own reason says the same";
}

TEST(DutyReasonsTest, AnEmptyChargeHasNothingToCharge) {
    const struct {
        ChargeDuty duty;
        bool metric;
        const char* reason;
    } cases[] = {
        {{100, 100, 100, 1000, 1000, 1},
         false,
         "Nothing to charge: the vessel is already at the final pressure of 1000 psig"},
        {{100, 100, 100, 1000, 1000, 1},
         true,
         "Nothing to charge: the vessel is already at the final pressure of 68.9 barg"},
        {{100, 100, 100, 1100, 1000, 1},
         false,
         "Nothing to charge: the vessel starts at 1100 psig, above the final pressure of 1000 psig"},
    };
    for (const auto& c : cases) {
        const ChargeCandidate candidate = EvaluateForCharge(CatalogueRow(6), c.duty);
        EXPECT_EQ(candidate.rejection, Rejection::TooLittleGas);
        EXPECT_EQ(English(ChargeRejectionText(CatalogueRow(6), c.duty, candidate, c.metric)), c.reason);
    }
}

TEST(DutySearchTest, ModelsMeetingTheDutyAndTheNearestWhenNoneIsListed) {
    const FlowDuty nitrogen{6 * 14.50377, 800 / 28.316847, 6 * 14.50377, 20 * 14.50377, 120 / 28.316847};
    const std::vector<DutyMatch> meeting = ModelsMeetingDuty(nitrogen);
    ASSERT_EQ(meeting.size(), 1u);
    EXPECT_EQ(meeting[0].Model(), 9);
    EXPECT_FALSE(meeting[0].Listed());
    const auto nearest = NearestModelToDuty(nitrogen, true);
    ASSERT_TRUE(nearest.has_value());
    EXPECT_EQ(nearest->match.Model(), 9) << "the model that meets the duty";

    // 4 scfm at 1500 psig: no model reaches it; RBZ-7/30 is 2.9 % short.
    const auto shortest = NearestModelToDuty({100, 100, 100, 1500, 4}, false);
    ASSERT_TRUE(shortest.has_value());
    EXPECT_EQ(shortest->match.Model(), 12);
    EXPECT_EQ(English(shortest->text).substr(0, 53), "Delivers 3.89 scfm flat out, 2.9 % short of the 4.00 ");

    // A gas liquid at the outlet: no model meets the duty, and the nearest says why.
    const FlowDuty liquid{100, 100, 300, 1200, 2, false, false, Gas::CarbonDioxide};
    EXPECT_TRUE(ModelsMeetingDuty(liquid).empty());
    const auto none = NearestModelToDuty(liquid, false);
    ASSERT_TRUE(none.has_value());
    EXPECT_EQ(English(none->text).substr(0, 60), "Carbon dioxide liquefies at the outlet pressure of 1200 psig");
}

}  // namespace
}  // namespace zorvik
