#include "gases.h"

#include "text.h"

namespace zorvik {
namespace {

// Molar masses: those of the equation of state each gas is computed with
// (real_gas.h), which are the IUPAC standard atomic weights of the elements;
// air's is Lemmon et al. (2000) for the composition N2 0.7812, O2 0.2096,
// Ar 0.0092.
// Heat capacities: NIST-JANAF Thermochemical Tables, 4th ed. (Chase 1998),
// Cp at 298.15 K; air's is the mole-fraction mean of its N2, O2 and Ar.
// Critical points: the reference equation of each fluid - Lemmon et al.
// (2000) for air (its maxcondentherm), Span et al. (2000) nitrogen, Schmidt &
// Wagner (1985) oxygen, Tegeler et al. (1999) argon, Ortiz-Vega (2013)
// helium, Span & Wagner (1996) carbon dioxide, Leachman et al. (2009) normal
// hydrogen, Setzmann & Wagner (1991) methane.
// clang-format off
constexpr std::array<GasProperties, GasCount> kGases = {{
    // name             display name                               formula  g/mol     cp J/(mol K)  Tc K      pc bar
    {"air",             ZORVIK_TR_NOOP("Gases", "Air"),            "air",   28.9586,  29.100,       132.6312, 37.8502},
    {"nitrogen",        ZORVIK_TR_NOOP("Gases", "Nitrogen"),       "N2",    28.0134,  29.124,       126.192,  33.958},
    {"oxygen",          ZORVIK_TR_NOOP("Gases", "Oxygen"),         "O2",    31.9988,  29.376,       154.581,  50.43},
    {"argon",           ZORVIK_TR_NOOP("Gases", "Argon"),          "Ar",    39.948,   20.786,       150.687,  48.63},
    {"helium",          ZORVIK_TR_NOOP("Gases", "Helium"),         "He",    4.002602, 20.786,       5.1953,   2.2832},
    {"carbon-dioxide",  ZORVIK_TR_NOOP("Gases", "Carbon dioxide"), "CO2",   44.0095,  37.135,       304.1282, 73.773},
    {"hydrogen",        ZORVIK_TR_NOOP("Gases", "Hydrogen"),       "H2",    2.01588,  28.836,       33.145,   12.964},
    {"methane",         ZORVIK_TR_NOOP("Gases", "Methane"),        "CH4",   16.04246, 35.695,       190.564,  45.992},
}};
// clang-format on

constexpr std::string_view kOxygenNote = ZORVIK_TR_NOOP(
    "Gases",
    "Oxygen: the booster, its piping and the vessel must be cleaned and built for oxygen service. "
    "Heating by fast compression is an ignition source: open valves slowly and keep oil and grease away.");
constexpr std::string_view kHydrogenNote =
    ZORVIK_TR_NOOP("Gases",
                   "Hydrogen: every wetted part must be of a material fit for hydrogen service, and leakage and relief "
                   "outlets must vent safely to open air, away from any source of ignition.");
constexpr std::string_view kCarbonDioxideNote =
    ZORVIK_TR_NOOP("Gases",
                   "Carbon dioxide liquefies under pressure at room temperature: an outlet or a vessel at or above its "
                   "vapour pressure holds liquid, which this sizing does not cover. Vent it to a ventilated place.");

// Each name as it reads inside a sentence, in AllGases order: lower case in
// English, but a language that capitalises its nouns keeps them so.
// clang-format off
constexpr const char* kNamesInSentence[] = {
    ZORVIK_TR_NOOP("Gases in a sentence", "air"),
    ZORVIK_TR_NOOP("Gases in a sentence", "nitrogen"),
    ZORVIK_TR_NOOP("Gases in a sentence", "oxygen"),
    ZORVIK_TR_NOOP("Gases in a sentence", "argon"),
    ZORVIK_TR_NOOP("Gases in a sentence", "helium"),
    ZORVIK_TR_NOOP("Gases in a sentence", "carbon dioxide"),
    ZORVIK_TR_NOOP("Gases in a sentence", "hydrogen"),
    ZORVIK_TR_NOOP("Gases in a sentence", "methane"),
};
// clang-format on
static_assert(std::size(kNamesInSentence) == GasCount);

}  // namespace

const GasProperties& Properties(Gas gas) { return kGases[static_cast<int>(gas)]; }

std::optional<Gas> GasNamed(std::string_view name) {
    for (Gas gas : AllGases)
        if (Properties(gas).name == name) return gas;
    return std::nullopt;
}

// The display names are literals, so each view ends in a NUL.
Text GasDisplayName(Gas gas) { return Tr("Gases", Properties(gas).displayName.data()); }

Text GasNameInSentence(Gas gas) { return Tr("Gases in a sentence", kNamesInSentence[static_cast<int>(gas)]); }

std::string_view SafetyNote(Gas gas) {
    switch (gas) {
        case Gas::Oxygen:
            return kOxygenNote;
        case Gas::Hydrogen:
            return kHydrogenNote;
        case Gas::CarbonDioxide:
            return kCarbonDioxideNote;
        default:
            return {};
    }
}

}  // namespace zorvik
