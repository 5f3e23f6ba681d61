#pragma once
// The fifteen amplifier models. The performance model, the selection
// procedures and the pictures take a row, or its number, as an argument.

#include <array>
#include <string>

namespace zorvik {

// One catalogue model. Pressures are gauge psi (psig), piston volumes cubic
// inches, speeds cycles per minute.
struct TPumpRecord {
    int PumpNo = 0;                       // catalogue number 1..15
    std::string Series;                   // "CRB19", "4RBW", "RB", "RBW", "RBZ", "8RBW"
    std::string RatioText;                // as displayed, trailing blanks included
    std::string ActionCode;               // "SA" single-acting, "DA" double-acting, "TS" two-stage
    int Stages = 0;                       // 1 or 2
    double MaxAirDrivePsi = 0;            // psig
    double SupplyStallFactor = 0;         // coefficient of the inlet pressure in the stall formula
    double AirStallFactor = 0;            // coefficient of the air drive pressure in the stall formula
    double InterstageFactor = 0;          // two-stage: inlet must stay below this x air drive pressure
    double InterstageOutletFactor = 0;    // two-stage: outlet stall = this x air drive once the interstage stalls
    double DisplacementIn3 = 0;           // piston displacement per cycle, in^3
    double MaxCyclesPerMin = 0;           // cycles/min
    double MaxDisplacementIn3PerMin = 0;  // in^3/min at maximum speed (stored, not recomputed)
    double ZeroFlowRatio = 0;             // compression-ratio constant of the volumetric efficiency
    double MaxCompressionRatio = 0;       // outlet absolute / inlet absolute
    double MinInletPsi = 0;               // psig; -1 = no minimum
    double MaxInletPsi = 0;               // psig; negative -k = k x air drive pressure
    double MaxOutletPsi = 0;              // psig
    double GraphInletPsi = 0;             // reference inlet pressure of the performance chart, psig
    bool InletIsDriveAir = false;         // boosts its own drive air: inlet pressure = drive pressure

    // Series immediately followed by RatioText, blanks kept: "RB" + "-15 ".
    std::string DisplayName() const { return Series + RatioText; }
};

inline constexpr int PumpCount = 15;

// Row n of the catalogue, n in 1..PumpCount.
const TPumpRecord& CatalogueRow(int n);

// Models 1-4 and 15 read their drive air from measured lines of constant air
// use instead of the speed formula.
bool UsesAirUseLines(int pumpNo);

}  // namespace zorvik
