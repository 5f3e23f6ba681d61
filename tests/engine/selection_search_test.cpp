// The searches as values: every model evaluated, listed or not, and the
// first test a model fails. The cases pick duties where one test alone
// decides, worked out from the catalogue limits.

#include <gtest/gtest.h>

#include <vector>

#include "charge_search.h"
#include "flow_search.h"

namespace zorvik {
namespace {

std::vector<int> Listed(const auto& candidates) {
    std::vector<int> models;
    for (const auto& c : candidates)
        if (c.Listed()) models.push_back(c.pumpNo);
    return models;
}

TEST(FlowSearchTest, EveryModelIsEvaluatedInModelOrder) {
    const std::vector<FlowCandidate> all = SearchContinuousProcess({100, 100, 100, 200, 2});
    ASSERT_EQ(all.size(), 15u);
    for (int n = 1; n <= 15; ++n) EXPECT_EQ(all[n - 1].pumpNo, n);
    EXPECT_EQ(Listed(all), (std::vector<int>{1, 2, 3, 5, 6, 9, 10, 11, 12, 13}));
}

TEST(FlowSearchTest, FirstFailingTestOfEachKind) {
    const struct {
        int model;
        FlowDuty duty;
        Rejection why;
    } cases[] = {
        {6, {100, 1000, 100, 200, 50}, Rejection::FlowBelowRequired},
        {6, {100, 1000, 100, 1600, 0, false, true}, Rejection::NoFlow},
        {5, {100, 1000, 10, 200, 0.1}, Rejection::InletBelowMinimum},
        {5, {150, 1000, 1300, 1400, 0, false, true}, Rejection::InletAboveMaximum},
        {8, {150, 1000, 250, 310, 0, false, true}, Rejection::OutletAboveMaximum},
        {4, {125, 1000, 25, 100, 0, false, true}, Rejection::RatioAboveMaximum},
        {1, {100, 1000, 100, 120, 0.1}, Rejection::None},
        {1, {100, 1000, 90, 120, 0.1}, Rejection::InletNotDriveAir},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EvaluateForFlow(CatalogueRow(c.model), c.duty).rejection, c.why) << "model " << c.model;
}

// Ignoring the air available evaluates the requested point itself.
TEST(FlowSearchTest, IgnoredAirDeliversTheRequestedPoint) {
    FlowDuty duty{100, 1, 100, 200, 0.1};
    duty.ignoreAirAvailable = true;
    for (const FlowCandidate& c : SearchContinuousProcess(duty)) {
        EXPECT_EQ(c.delivered.flowScfm, c.requested.flowScfm) << c.pumpNo;
        EXPECT_EQ(c.cyclesPerMin, c.requested.cyclesPerMin) << c.pumpNo;
        EXPECT_FALSE(c.delivered.airLimited) << c.pumpNo;
    }
}

TEST(ChargeSearchTest, CurveEndsAtTheFillTime) {
    const ChargeDuty duty{100, 100, 100, 100, 1000, 1};
    for (const ChargeCandidate& c : SearchVesselCharging(duty)) {
        if (!c.charged) continue;
        EXPECT_EQ(c.minutes[0], 0) << c.pumpNo;
        EXPECT_EQ(c.minutes[ChargeSteps], c.fillMinutes) << c.pumpNo;
        for (int j = 1; j <= ChargeSteps; ++j) {
            EXPECT_GT(c.minutes[j], c.minutes[j - 1]) << c.pumpNo << " step " << j;
            EXPECT_LE(c.flowScfm[j], c.flowScfm[j - 1]) << c.pumpNo << " step " << j;
        }
    }
    EXPECT_DOUBLE_EQ(duty.PressureAtStep(ChargeSteps), 1000);
}

TEST(ChargeSearchTest, FirstFailingTestOfEachKind) {
    const struct {
        int model;
        ChargeDuty duty;
        Rejection why;
    } cases[] = {
        {1, {100, 1000, 100, 100, 1000, 1}, Rejection::FinalFlowTooLow},
        {6, {100, 1000, 100, 100, 100.1, 0.001}, Rejection::TooLittleGas},
        {8, {150, 1000, 250, 250, 320, 1}, Rejection::OutletAboveMaximum},
        {6, {100, 1000, 100, 100, 1000, 1}, Rejection::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EvaluateForCharge(CatalogueRow(c.model), c.duty).rejection, c.why) << "model " << c.model;
}

}  // namespace
}  // namespace zorvik
