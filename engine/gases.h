#pragma once
// The gases an amplifier is sized for, as values: what each one is called,
// its molar mass, its ratio of specific heats and its critical point, and the
// safety note it calls for. The catalogue's standard-volume figures hold for
// every one of them; what differs is the mass delivered, the heat of
// compression and what a vessel holds at high pressure (real_gas.h).

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "text.h"

namespace zorvik {

enum class Gas { Air, Nitrogen, Oxygen, Argon, Helium, CarbonDioxide, Hydrogen, Methane };

inline constexpr int GasCount = 8;

// Every gas, in the order the program lists them (air first: the default).
inline constexpr std::array<Gas, GasCount> AllGases = {
    Gas::Air, Gas::Nitrogen, Gas::Oxygen, Gas::Argon, Gas::Helium, Gas::CarbonDioxide, Gas::Hydrogen, Gas::Methane,
};

// Molar gas constant, J/(mol K): CODATA 2018 (exact since the 2019 SI).
inline constexpr double MolarGasConstant = 8.314462618;

struct GasProperties {
    std::string_view name;         // as the command line spells it: "carbon-dioxide"
    std::string_view displayName;  // "Carbon dioxide", in English (GasDisplayName translates it)
    std::string_view formula;      // "CO2"
    double molarMass;              // g/mol
    double idealHeatCapacity;      // cp of the ideal gas at 25 degC, J/(mol K)
    double criticalKelvin;         // critical temperature, K
    double criticalBar;            // critical pressure, bar absolute

    // Ratio of specific heats of the ideal gas, cp/cv = cp / (cp - R).
    double HeatCapacityRatio() const { return idealHeatCapacity / (idealHeatCapacity - MolarGasConstant); }
};

const GasProperties& Properties(Gas gas);

// The gas the command line spells `name`, exactly (lower case, "-" between
// words), or nothing.
std::optional<Gas> GasNamed(std::string_view name);

// The gas's name in the language the application chose (a Text, said at the edge).
Text GasDisplayName(Gas gas);

// The name inside a sentence ("carbon dioxide"), in the program's language.
Text GasNameInSentence(Gas gas);

// A fixed warning to show wherever the gas is sized, or empty when the gas
// calls for none. In English: a window translates it in the context "Gases".
std::string_view SafetyNote(Gas gas);

}  // namespace zorvik
