#pragma once
// Selection for charging a vessel, as values: a gas source at constant
// pressure charges a closed vessel of known capacity from an initial to a
// final pressure through the amplifier. Pressures psig, flows scfm, volumes
// cubic feet, times minutes.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "catalogue.h"
#include "gases.h"
#include "model_limits.h"
#include "real_gas.h"

namespace zorvik {

inline constexpr int ChargeSteps = 10;  // equal pressure steps from start to final
inline constexpr int ChargeCurvePoints = ChargeSteps + 1;

// How the gas a vessel takes is counted: as the catalogue does, an ideal gas
// at every pressure, or from the real-gas model at the vessel temperature.
enum class ContentsCount { Ideal, RealGas };

struct ChargeDuty {
    double drivePsi = 0;
    double airAvailableScfm = 0;
    double inletPsi = 0;
    double startPsi = 0;  // not below the inlet: the window equalises first
    double finalPsi = 0;
    double capacityFt3 = 0;
    bool ignoreAirAvailable = false;
    Gas gas = Gas::Air;
    ContentsCount contents = ContentsCount::Ideal;
    double vesselCelsius = 20;  // the gas in the vessel, for the real-gas count and liquefaction
    std::optional<double> temperatureLimitCelsius = std::nullopt;  // a discharge no model should pass; none by default

    // Gas delivered per step by the ideal count, standard cubic feet:
    //   (final - start) psi / 14.5 x capacity / 10, or 0.001 when that is not above 0.
    double GasPerStepScf() const;
    // Vessel pressure after step j, psig = start + j x (final - start) / 10.
    double PressureAtStep(int j) const;
};

// The gas each of the ten steps delivers, standard cubic feet. The ideal
// count gives every step GasPerStepScf(). The real-gas count divides each
// absolute pressure by its compressibility factor Z at the vessel
// temperature and is otherwise the same count:
//   step j = ((Pj + 14.5) / Zj - (Pj-1 + 14.5) / Zj-1) / 14.5 x capacity,
// or 0.001 when that is not above 0, with Pj = PressureAtStep(j), psig. An
// ideal gas (Z = 1) gives the ideal count. When a step pressure has no gas
// state (real_gas.h), refusal says why and the steps are not counted.
struct VesselGasCount {
    std::array<double, ChargeSteps> stepScf{};
    GasRefusal refusal = GasRefusal::None;

    double TotalScf() const;
    double SmallestStepScf() const;
};

VesselGasCount CountVesselGas(const ChargeDuty& duty);

// One model charging the vessel.
struct ChargeCandidate {
    int pumpNo = 0;
    // The flow at the final pressure reached 0.3 scfm, so the model was
    // charged and flows/minutes hold its charge.
    bool charged = false;
    std::array<double, ChargeCurvePoints> flowScfm{};  // at the start and after each step
    std::array<double, ChargeCurvePoints> minutes{};   // time elapsed at those points
    double fillMinutes = 0;                            // = minutes[10]
    double driveAirScf = 0;                            // drive air used over the fill, standard cubic feet
    double cycles = 0;                                 // strokes over the fill
    double averageCyclesPerMin = 0;                    // cycles / fill minutes
    double finalRatio = 1;                             // compression ratio at the last step
    double gasDeliveredScf = 0;                        // gas into the vessel over the fill, standard cubic feet
    bool airLimited = false;                           // the air search stepped at the start
    bool cutBackToAir = false;                         // and took flow away there
    Rejection rejection = Rejection::None;

    bool Listed() const { return rejection == Rejection::None; }
    // Average drive air, scfm = total drive air / fill minutes.
    double AverageAirScfm() const { return driveAirScf / fillMinutes; }
    // Average gas flow into the vessel, scfm = gas delivered / fill minutes.
    double AverageGasScfm() const { return gasDeliveredScf / fillMinutes; }
};

// Minutes to deliver dQ standard cubic feet between two flows (scfm), on
// the trapezoid rule: 2 x dQ / (previousFlow + flow); 1001 minutes when the
// flows add up to exactly 0, which fails the 500-minute step limit.
double StepMinutes(double previousFlow, double flow, double dQ);

// Steps the vessel pressure from start to final, integrating time, air and
// cycles on the trapezoid rule over the gas delivered: every step delivers
// its dQ (CountVesselGas) in dt = dQ / mean flow, with mean air and cycle
// rates over dt. A model qualifies when the gas stays a gas at the final
// pressure and vessel temperature, the count has a gas state at every step,
// its flow at the final pressure reaches 0.3 scfm, it starts at no more than
// 2000 cycles/min, no step takes over 500 minutes, it is within its limits
// at the final pressure and ratio, each step delivers over 0.01 scf and the
// fill takes over 0.16 minutes.
ChargeCandidate EvaluateForCharge(const TPumpRecord& pump, const ChargeDuty& duty);

// The same with the duty's count at hand, as a search counts it once for
// all models.
ChargeCandidate EvaluateForCharge(const TPumpRecord& pump, const ChargeDuty& duty, const VesselGasCount& count);

// Models 1 to 15 in turn, listed or not.
std::vector<ChargeCandidate> SearchVesselCharging(const ChargeDuty& duty);

}  // namespace zorvik
