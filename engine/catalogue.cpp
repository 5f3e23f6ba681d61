#include "catalogue.h"

namespace zorvik {
namespace {

struct Identity {
    int PumpNo;
    const char* Series;
    const char* RatioText;
    const char* ActionCode;
    int Stages;
    bool InletIsDriveAir;
    double MaxAirDrivePsi, MinInletPsi, MaxInletPsi, MaxOutletPsi, MaxCompressionRatio, GraphInletPsi;
};

// Identity and limits, pressures psig.
// clang-format off
constexpr Identity kIdentity[PumpCount] = {
//   No  Series   RatioText  Act   Stg  InletIsAir MaxAir MinIn MaxIn  MaxOut MaxCR GraphIn
    { 1, "CRB19", "-2.5 ",   "SA", 1,   true,      125,   -1,   125,   320,   2.5,  100},
    { 2, "CRB19", "-3.5 ",   "SA", 1,   true,      125,   -1,   125,   450,   3.5,  100},
    { 3, "CRB19", "-4.5 ",   "SA", 1,   true,      125,   -1,   125,   600,   4.5,  100},
    { 4, "4RBW",  "-2 ",     "DA", 1,   false,     125,   25,   250,   250,   2,    100},
    { 5, "RB",    "-8 ",     "SA", 1,   false,     150,   25,   1250,  2500,  20,   100},
    { 6, "RB",    "-15 ",    "SA", 1,   false,     150,   50,   2250,  2250,  20,   700},
    { 7, "RB",    "-30 ",    "SA", 1,   false,     150,   100,  4500,  4500,  25,   1500},
    { 8, "RBW",   "-2  ",    "DA", 1,   false,     150,   25,   300,   300,   2,    150},
    { 9, "RBW",   "-5  ",    "DA", 1,   false,     150,   25,   1250,  1250,  10,   650},
    {10, "RBW",   "-15 ",    "DA", 1,   false,     150,   50,   2500,  2500,  20,   800},
    {11, "RBW",   "-30 ",    "DA", 1,   false,     150,   100,  4500,  4500,  25,   1200},
    {12, "RBZ",   "-7/30 ",  "TS", 2,   false,     150,   25,   -2,    4500,  100,  135},
    {13, "RBZ",   "-15/30",  "TS", 2,   false,     150,   50,   -8,    4500,  50,   500},
    {14, "RBZ",   "-30/50",  "TS", 2,   false,     150,   50,   -20,   5000,  100,  1200},
    {15, "8RBW",  "-2    ",  "DA", 1,   false,     130,   25,   300,   300,   2,    100},
};
// clang-format on

struct Constants {
    double AirStallFactor, SupplyStallFactor, InterstageFactor, InterstageOutletFactor;
    double DisplacementIn3, MaxCyclesPerMin, MaxDisplacementIn3PerMin, ZeroFlowRatio;
};

// Performance constants. Model 12's displacement per minute (1254) is the
// stored figure, not 13.1452 x 95; model 5 is single-acting yet gains from
// its inlet pressure (SupplyStallFactor 1.0).
// clang-format off
constexpr Constants kConstants[PumpCount] = {
//   AirStall SupplyStall Interstage IntOutlet Displ    MaxCyc MaxDispl/min ZeroFlow
    {2.5,     0,          0,         0,        2.4,     541,   1298,        22.05},
    {3.5,     0,          0,         0,        1.77,    440,   779,         22.05},
    {4.5,     0,          0,         0,        1.35,    420,   567,         22.05},
    {0.985,   0.985,      0,         0,        62.5,    105,   6563,        22.05},
    {7.0,     1.0,        0,         0,        12.4032, 124,   1538,        22.05},
    {15.0,    0,          0,         0,        6.2016,  124,   769,         22.05},
    {30.0,    0,          0,         0,        3.0968,  124,   384,         30.05},
    {1.0,     1.0,        0,         0,        201,     66,    13266,       12.05},
    {4.0,     1.0,        0,         0,        19.3061, 245,   4730,        11.66},
    {15.0,    1.0,        0,         0,        12.4,    95,    1178,        22.05},
    {30.0,    1.0,        0,         0,        6.2,     95,    589,         30.05},
    {30.0,    4.2,        2,         9,        13.1452, 95,    1254,        101},
    {30.0,    2.0,        15,        30,       6.2,     95,    589,         101},
    {50.0,    1.6,        30,        50,       3.1,     95,    294.5,       101},
    {1.0,     1.0,        0,         0,        400,     105,   42000,       10},
};
// clang-format on

std::array<TPumpRecord, PumpCount> BuildCatalogue() {
    std::array<TPumpRecord, PumpCount> rows;
    for (int i = 0; i < PumpCount; ++i) {
        const Identity& id = kIdentity[i];
        const Constants& c = kConstants[i];
        TPumpRecord& r = rows[i];
        r.PumpNo = id.PumpNo;
        r.Series = id.Series;
        r.RatioText = id.RatioText;
        r.ActionCode = id.ActionCode;
        r.Stages = id.Stages;
        r.InletIsDriveAir = id.InletIsDriveAir;
        r.MaxAirDrivePsi = id.MaxAirDrivePsi;
        r.MinInletPsi = id.MinInletPsi;
        r.MaxInletPsi = id.MaxInletPsi;
        r.MaxOutletPsi = id.MaxOutletPsi;
        r.MaxCompressionRatio = id.MaxCompressionRatio;
        r.GraphInletPsi = id.GraphInletPsi;
        r.AirStallFactor = c.AirStallFactor;
        r.SupplyStallFactor = c.SupplyStallFactor;
        r.InterstageFactor = c.InterstageFactor;
        r.InterstageOutletFactor = c.InterstageOutletFactor;
        r.DisplacementIn3 = c.DisplacementIn3;
        r.MaxCyclesPerMin = c.MaxCyclesPerMin;
        r.MaxDisplacementIn3PerMin = c.MaxDisplacementIn3PerMin;
        r.ZeroFlowRatio = c.ZeroFlowRatio;
    }
    return rows;
}

}  // namespace

const TPumpRecord& CatalogueRow(int n) {
    static const std::array<TPumpRecord, PumpCount> rows = BuildCatalogue();
    return rows.at(static_cast<std::size_t>(n - 1));
}

bool UsesAirUseLines(int pumpNo) { return (pumpNo >= 1 && pumpNo <= 4) || pumpNo == 15; }

}  // namespace zorvik
