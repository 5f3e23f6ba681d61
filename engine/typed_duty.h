#pragma once
// A duty as a person typed it - into the selection window's fields, a job
// item or the command line's options - and the one reader that turns it
// into the figures the searches take. Every number typed anywhere passes
// through ReadTypedNumber, so the window, a job file and a command refuse
// and convert the same texts alike.

#include <optional>
#include <string>
#include <string_view>

#include "charge_search.h"
#include "duty_checks.h"
#include "flow_search.h"
#include "text.h"

namespace zorvik {

enum class Application { Flow, Fill };
enum class UnitSystem { Imperial, Metric };

// The duty as typed: texts in the units of `units`, never converted, so a
// reopened job shows exactly what was typed. Only the fields of the
// application are read; the others keep their window defaults.
struct TypedDuty {
    UnitSystem units = UnitSystem::Imperial;
    std::string drive = "100";      // psig / barg
    std::string air = "100";        // drive air available, scfm / nl/min
    std::string inlet = "100";      // psig / barg
    std::string outlet = "200";     // flow: psig / barg
    std::string flow = "2.00";      // flow: required, scfm / nl/min
    std::string initial = "100";    // fill: psig / barg
    std::string final = "1000";     // fill: psig / barg
    std::string capacity = "1.00";  // fill: cubic feet / litres
    bool inletEqualsDrive = false;  // the inlet is the drive air supply: its text is the drive's
    bool ignoreAir = false;         // drive air unlimited
    bool ignoreFlow = false;        // flow: no required flow, every model that delivers is listed
    // The gas, as the command line spells it, and its temperatures in degF,
    // or degC when metric, as the window's gas controls hold them.
    std::string gas = "air";
    std::string gasTemperature;    // the gas inlet, and the vessel's for a fill; empty: 20 degC
    std::string temperatureLimit;  // a discharge temperature no model should pass; empty: none
    bool realGas = false;          // fill: the vessel's contents counted with the real-gas model
    // Flow: the gas boosted is taken from the drive air supply, so its flow
    // is compressor air too (counted only when the gas is air); nothing:
    // as the job's cost settings say, as files before this key read.
    std::optional<bool> inletIsPlantAir;

    bool operator==(const TypedDuty&) const = default;
};

// What a typed number is: a pressure (psig, or barg in metric) or a volume
// (a flow or a capacity: scfm or cubic feet, or litres in metric).
enum class TypedQuantity { Pressure, Volume };

enum class EntryFault { None, Empty, NotValid };

// The typed text as a number: blanks (code 32) trimmed at both ends,
// `decimal` (the desktop's separator) read as "." when that makes it a
// number; refused when empty or when ParseDutyNumber refuses it.
std::optional<double> ReadTypedNumber(std::string_view typed, char decimal, EntryFault& fault);

// The same, converted from the units typed to psig, scfm or cubic feet:
// barg x 14.50377, litres / 28.316847.
std::optional<double> ReadTypedQuantity(std::string_view typed, TypedQuantity quantity, UnitSystem units, char decimal,
                                        EntryFault& fault);

// A typed temperature in degC: below zero too (ParseTemperatureNumber),
// typed in degF unless `units` is metric. Empty is EntryFault::Empty.
std::optional<double> ReadTypedCelsius(std::string_view typed, UnitSystem units, char decimal, EntryFault& fault);

// "Null is not valid value" or "<typed> is not valid value", the refused
// text quoted as typed (trimmed of blanks).
Text EntryFaultText(EntryFault fault, std::string_view typed);

// Which typed text a reading refused.
enum class TypedField {
    None,
    Drive,
    Air,
    Inlet,
    Outlet,
    Flow,
    Initial,
    Final,
    Capacity,
    Gas,
    GasTemperature,
    TemperatureLimit
};

// The name a job file and the command line give the field: "outlet".
const char* TypedFieldName(TypedField field);

struct DutyReading {
    // The first refused field ("outlet: -5 is not valid value") or the last
    // failing check of the search ("Drive air pressure is too high!");
    // empty when the duty can be computed.
    Text problem;
    TypedField refused = TypedField::None;  // the field refused, when one was
    DutyCheck check = DutyCheck::None;      // or the check that failed
    FlowDuty flow;                          // for a flow item: psig, scfm
    ChargeDuty fill;                        // for a fill item: psig, scfm, cubic feet
    // Fill: the initial pressure was below the inlet, so the vessel is
    // equalised first and charged from the inlet pressure.
    bool equalised = false;

    bool Readable() const { return problem.Empty(); }
};

struct TypedReadRules {
    char decimal = '.';  // the desktop's decimal separator, read as "."
    // An empty gas temperature is the standard 20 degC (a job item, an
    // option not given); the window's field refuses it instead.
    bool emptyGasTemperatureIsStandard = true;
};

// What was decided, as a job file keeps it: "" for a readable duty, the
// refused field's name ("outlet") or the failed check's ("drive_too_high").
std::string ReadingCode(const DutyReading& reading);

// Reads the application's fields in the window's order (drive, air, then
// outlet, inlet, flow, or inlet, initial, final, capacity), stops at the
// first refused one, then the gas and its temperatures, then the search's
// own checks. A refused duty keeps the figures read before the refusal.
DutyReading ReadTypedDuty(Application application, const TypedDuty& duty, const TypedReadRules& rules = {});

}  // namespace zorvik
