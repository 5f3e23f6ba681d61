#include <gtest/gtest.h>

#include "shared_state.h"

namespace zorvik {
namespace {

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override { InitialiseSharedState(); }
};

TEST_F(CatalogueTest, StartsOnModelOneWithChartDriveOf90) {
    EXPECT_EQ(Shared.CurrentPump.PumpNo, 1);
    EXPECT_EQ(Shared.CurrentPump.DisplayName(), "CRB19-2.5 ");
    EXPECT_EQ(Shared.PumpIndex, 1);
    EXPECT_DOUBLE_EQ(Shared.GraphAirDrivePsi, 90.0);
    EXPECT_DOUBLE_EQ(Shared.GraphInletScale, 1.0);
    EXPECT_EQ(Shared.OfficeIndex, 1);
    EXPECT_EQ(Shared.ApplicationType, ApplicationFlow);
    EXPECT_FALSE(Shared.MetricUnits);
    EXPECT_EQ(Shared.DisplayMode, DisplayNothing);
}

TEST_F(CatalogueTest, SelectPumpOutsideTheRangeKeepsTheCurrentModel) {
    SelectPump(6);
    for (int n : {0, 16, -1, 1000}) {
        SelectPump(n);
        EXPECT_EQ(Shared.CurrentPump.PumpNo, 6) << n;
    }
}

TEST_F(CatalogueTest, DisplayNamesKeepTheirBlanks) {
    const struct {
        int n;
        const char* name;
    } cases[] = {{15, "8RBW-2    "}, {13, "RBZ-15/30"}, {8, "RBW-2  "}, {6, "RB-15 "}, {12, "RBZ-7/30 "}};
    for (const auto& c : cases) {
        SelectPump(c.n);
        EXPECT_EQ(Shared.CurrentPump.DisplayName(), c.name) << c.n;
    }
}

TEST_F(CatalogueTest, EveryRowIsConsistent) {
    for (int n = 1; n <= PumpCount; ++n) {
        SelectPump(n);
        const TPumpRecord& p = Shared.CurrentPump;
        EXPECT_EQ(p.PumpNo, n);
        if (p.Stages == 2) {
            EXPECT_EQ(p.ActionCode, "TS") << n;
            EXPECT_LT(p.MaxInletPsi, 0) << n;
            EXPECT_GT(p.InterstageFactor, 0) << n;
        } else {
            EXPECT_EQ(p.InterstageFactor, 0) << n;
            EXPECT_EQ(p.InterstageOutletFactor, 0) << n;
            EXPECT_GE(p.MaxInletPsi, 0) << n;
        }
        // The stored displacement per minute is the product of displacement
        // and speed everywhere except model 12.
        if (n != 12) {
            EXPECT_NEAR(p.MaxDisplacementIn3PerMin, p.DisplacementIn3 * p.MaxCyclesPerMin, 1.0) << n;
        }
        EXPECT_EQ(p.InletIsDriveAir, n <= 3) << n;
    }
    SelectPump(12);
    EXPECT_DOUBLE_EQ(Shared.CurrentPump.MaxDisplacementIn3PerMin, 1254);
}

}  // namespace
}  // namespace zorvik

namespace zorvik {
namespace {

TEST(OfficesTest, ContactLineNamesTelephoneAndFaxOnce) {
    TAddressData office;
    office.Field[6] = "Tel: +44 1";
    office.Field[7] = "Fax: +44 2";
    EXPECT_EQ(TelFaxLine(office), "Tel: +44 1    Fax: +44 2");
    office.Field[6] = "+44 1";
    office.Field[7] = "";
    EXPECT_EQ(TelFaxLine(office), "Tel +44 1    Fax ");
}

TEST(OfficesTest, ChosenOfficeNeverReadsOutsideTheTable) {
    InitialiseSharedState();
    EXPECT_EQ(ChosenOffice().Field[0], "UK.");
    for (int index : {-1, 12, 1 << 30}) {
        Shared.OfficeIndex = index;
        EXPECT_EQ(ChosenOffice().Field[0], "U.S.A.") << index;
    }
}

}  // namespace
}  // namespace zorvik
