// The checks a duty passes before any search, as codes: the last failing
// check wins, as the window shows only the last message, and every code a
// job file keeps names one check and one message.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "duty_checks.h"

namespace zorvik {
namespace {

TEST(DutyChecksTest, TheLastFailingCheckOfAFlow) {
    const struct {
        const char* what;
        FlowDuty duty;
        DutyCheck check;
        // clang-format off
    } cases[] = {
        {"sound",                        {100, 100, 100, 200, 2},  DutyCheck::None},
        {"no flow",                      {100, 100, 100, 200, 0},  DutyCheck::FlowZero},
        {"drive low, after no flow",     {39, 100, 100, 200, 0},   DutyCheck::DriveTooLow},
        {"drive high",                   {151, 100, 100, 200, 2},  DutyCheck::DriveTooHigh},
        {"outlet below inlet, last",     {151, 100, 300, 200, 0},  DutyCheck::OutletBelowInlet},
        // clang-format on
    };
    for (const auto& c : cases) EXPECT_EQ(FlowCheck(c.duty), c.check) << c.what;
    FlowDuty cold{100, 100, 100, 200, 2};
    cold.gas = Gas::CarbonDioxide;
    cold.gasCelsius = -21;
    EXPECT_EQ(FlowCheck(cold), DutyCheck::GasTemperature);
    cold.gas = Gas::Nitrogen;
    EXPECT_EQ(FlowCheck(cold), DutyCheck::None) << "nitrogen cannot liquefy";
}

TEST(DutyChecksTest, TheLastFailingCheckOfACharge) {
    ChargeDuty duty{100, 100, 100, 100, 1000, 1};
    EXPECT_EQ(ChargeCheck(duty), DutyCheck::None);
    duty.startPsi = 1100;
    EXPECT_EQ(ChargeCheck(duty), DutyCheck::InitialAboveFinal);
    duty.drivePsi = 30;
    EXPECT_EQ(ChargeCheck(duty), DutyCheck::InitialAboveFinal) << "checked after the drive";
    duty = {100, 100, 100, 100, 20000, 1};
    duty.contents = ContentsCount::RealGas;
    EXPECT_EQ(ChargeCheck(duty), DutyCheck::FinalAboveGasModel);
    duty.vesselCelsius = 70;
    EXPECT_EQ(ChargeCheck(duty), DutyCheck::FinalAboveGasModel);
    duty.finalPsi = 1000;
    EXPECT_EQ(ChargeCheck(duty), DutyCheck::VesselTemperature);
}

TEST(DutyChecksTest, EveryCheckHasItsOwnCodeAndMessage) {
    std::set<std::string> codes;
    std::set<std::string> messages;
    for (int c = static_cast<int>(DutyCheck::FlowZero); c <= static_cast<int>(DutyCheck::FinalAboveGasModel); ++c) {
        const auto check = static_cast<DutyCheck>(c);
        EXPECT_TRUE(codes.insert(DutyCheckName(check)).second) << c;
        EXPECT_TRUE(messages.insert(English(DutyCheckText(check))).second) << c;
        EXPECT_NE(std::string(DutyCheckName(check)), "") << c;
    }
    EXPECT_EQ(std::string(DutyCheckName(DutyCheck::None)), "");
    EXPECT_TRUE(DutyCheckText(DutyCheck::None).Empty());
}

}  // namespace
}  // namespace zorvik
