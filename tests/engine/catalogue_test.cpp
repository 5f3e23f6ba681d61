#include <gtest/gtest.h>

#include "catalogue.h"

namespace zorvik {
namespace {

TEST(CatalogueTest, DisplayNamesKeepTheirBlanks) {
    const struct {
        int n;
        const char* name;
    } cases[] = {{15, "8RBW-2    "}, {13, "RBZ-15/30"}, {8, "RBW-2  "}, {6, "RB-15 "}, {12, "RBZ-7/30 "}};
    for (const auto& c : cases) EXPECT_EQ(CatalogueRow(c.n).DisplayName(), c.name) << c.n;
}

TEST(CatalogueTest, EveryRowIsConsistent) {
    for (int n = 1; n <= PumpCount; ++n) {
        const TPumpRecord& p = CatalogueRow(n);
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
    EXPECT_DOUBLE_EQ(CatalogueRow(12).MaxDisplacementIn3PerMin, 1254);
}

}  // namespace
}  // namespace zorvik
