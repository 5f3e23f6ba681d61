#include "typed_duty.h"

#include <vector>

#include "gas_figures.h"
#include "gases.h"
#include "number_text.h"
#include "units.h"

namespace zorvik {
namespace {

struct Field {
    TypedField name;
    const std::string* text;
    TypedQuantity quantity;
    double* target;
};

std::string Trimmed(std::string text) {
    TrimLeadingBlanks(text);
    TrimTrailingBlanks(text);
    return text;
}

// The typed text trimmed of blanks, as the entry routines read it.
std::string Dotted(std::string_view typed, char decimal) {
    return EntryNumberText(Trimmed(std::string(typed)), decimal);
}

Text Refusal(TypedField field, EntryFault fault, const std::string& typed) {
    return std::string(TypedFieldName(field)) + ": " + EntryFaultText(fault, typed);
}

// Reads the fields in the window's order and stops at the first refused one.
void ReadFields(const std::vector<Field>& fields, UnitSystem units, char decimal, DutyReading& r) {
    for (const Field& f : fields) {
        EntryFault fault = EntryFault::None;
        const std::optional<double> value = ReadTypedQuantity(*f.text, f.quantity, units, decimal, fault);
        if (!value) {
            r.refused = f.name;
            r.problem = Refusal(f.name, fault, *f.text);
            return;
        }
        *f.target = *value;
    }
}

// The gas and its temperatures as the window's gas controls read them: a
// temperature may be below zero, an empty limit is none.
struct GasReading {
    Gas gas = Gas::Air;
    double celsius = StandardCelsius;
    std::optional<double> limitCelsius;
};

void ReadGas(const TypedDuty& typed, const TypedReadRules& rules, DutyReading& r, GasReading& gas) {
    const std::optional<Gas> named = GasNamed(typed.gas);
    if (!named) {
        r.refused = TypedField::Gas;
        r.problem = "gas: " + Tr("Entry", "%1 is not a gas the program sizes").With({typed.gas});
        return;
    }
    gas.gas = *named;
    EntryFault fault = EntryFault::None;
    const bool standard = rules.emptyGasTemperatureIsStandard && Trimmed(typed.gasTemperature).empty();
    if (const auto celsius = ReadTypedCelsius(typed.gasTemperature, typed.units, rules.decimal, fault))
        gas.celsius = *celsius;
    else if (!standard) {
        r.refused = TypedField::GasTemperature;
        r.problem = Refusal(r.refused, fault, typed.gasTemperature);
        return;
    }
    if (Trimmed(typed.temperatureLimit).empty()) return;
    gas.limitCelsius = ReadTypedCelsius(typed.temperatureLimit, typed.units, rules.decimal, fault);
    if (!gas.limitCelsius) {
        r.refused = TypedField::TemperatureLimit;
        r.problem = Refusal(r.refused, fault, typed.temperatureLimit);
    }
}

void ReadFlow(const TypedDuty& typed, const std::string& inlet, const TypedReadRules& rules, DutyReading& r) {
    FlowDuty& d = r.flow;
    ReadFields({{TypedField::Drive, &typed.drive, TypedQuantity::Pressure, &d.drivePsi},
                {TypedField::Air, &typed.air, TypedQuantity::Volume, &d.airAvailableScfm},
                {TypedField::Outlet, &typed.outlet, TypedQuantity::Pressure, &d.outletPsi},
                {TypedField::Inlet, &inlet, TypedQuantity::Pressure, &d.inletPsi},
                {TypedField::Flow, &typed.flow, TypedQuantity::Volume, &d.flowRequiredScfm}},
               typed.units, rules.decimal, r);
    d.ignoreAirAvailable = typed.ignoreAir;
    d.ignoreFlowRate = typed.ignoreFlow;
    GasReading gas;
    if (r.Readable()) ReadGas(typed, rules, r, gas);
    d.gas = gas.gas;
    d.gasCelsius = gas.celsius;
    d.temperatureLimitCelsius = gas.limitCelsius;
    if (!r.Readable()) return;
    r.check = FlowCheck(d);
    r.problem = DutyCheckText(r.check);
}

void ReadFill(const TypedDuty& typed, const std::string& inlet, const TypedReadRules& rules, DutyReading& r) {
    ChargeDuty& d = r.fill;
    ReadFields({{TypedField::Drive, &typed.drive, TypedQuantity::Pressure, &d.drivePsi},
                {TypedField::Air, &typed.air, TypedQuantity::Volume, &d.airAvailableScfm},
                {TypedField::Inlet, &inlet, TypedQuantity::Pressure, &d.inletPsi},
                {TypedField::Initial, &typed.initial, TypedQuantity::Pressure, &d.startPsi},
                {TypedField::Final, &typed.final, TypedQuantity::Pressure, &d.finalPsi},
                {TypedField::Capacity, &typed.capacity, TypedQuantity::Volume, &d.capacityFt3}},
               typed.units, rules.decimal, r);
    d.ignoreAirAvailable = typed.ignoreAir;
    GasReading gas;
    if (r.Readable()) ReadGas(typed, rules, r, gas);
    if (!r.Readable()) return;
    d.gas = gas.gas;
    d.vesselCelsius = gas.celsius;
    d.temperatureLimitCelsius = gas.limitCelsius;
    d.contents = typed.realGas ? ContentsCount::RealGas : ContentsCount::Ideal;
    // The gas would flow straight through until the pressures are equal.
    if (d.startPsi < d.inletPsi) {
        d.startPsi = d.inletPsi;
        r.equalised = true;
    }
    r.check = ChargeCheck(d);
    r.problem = DutyCheckText(r.check);
}

}  // namespace

std::optional<double> ReadTypedNumber(std::string_view typed, char decimal, EntryFault& fault) {
    const std::string text = Dotted(typed, decimal);
    fault = text.empty() ? EntryFault::Empty : EntryFault::None;
    if (text.empty()) return std::nullopt;
    const std::optional<double> value = ParseDutyNumber(text);
    if (!value) fault = EntryFault::NotValid;
    return value;
}

std::optional<double> ReadTypedQuantity(std::string_view typed, TypedQuantity quantity, UnitSystem units, char decimal,
                                        EntryFault& fault) {
    std::optional<double> value = ReadTypedNumber(typed, decimal, fault);
    if (!value || units != UnitSystem::Metric) return value;
    return quantity == TypedQuantity::Pressure ? *value * units::PsiPerBar : *value / units::LitresPerCubicFoot;
}

std::optional<double> ReadTypedCelsius(std::string_view typed, UnitSystem units, char decimal, EntryFault& fault) {
    const std::string text = Dotted(typed, decimal);
    fault = text.empty() ? EntryFault::Empty : EntryFault::None;
    if (text.empty()) return std::nullopt;
    const std::optional<double> value = ParseTemperatureNumber(text);
    if (!value) {
        fault = EntryFault::NotValid;
        return std::nullopt;
    }
    return units == UnitSystem::Metric ? *value : units::CelsiusOf(*value);
}

Text EntryFaultText(EntryFault fault, std::string_view typed) {
    if (fault == EntryFault::Empty) return Tr("Entry", "Null is not valid value");
    return Tr("Entry", "%1 is not valid value").With({Trimmed(std::string(typed))});
}

const char* TypedFieldName(TypedField field) {
    static constexpr const char* kNames[] = {
        "",        "drive", "air",      "inlet", "outlet",          "flow",
        "initial", "final", "capacity", "gas",   "gas_temperature", "temperature_limit"};
    return kNames[static_cast<int>(field)];
}

std::string ReadingCode(const DutyReading& reading) {
    return reading.refused != TypedField::None ? TypedFieldName(reading.refused) : DutyCheckName(reading.check);
}

DutyReading ReadTypedDuty(Application application, const TypedDuty& duty, const TypedReadRules& rules) {
    DutyReading reading;
    const std::string& inlet = duty.inletEqualsDrive ? duty.drive : duty.inlet;
    if (application == Application::Flow)
        ReadFlow(duty, inlet, rules, reading);
    else
        ReadFill(duty, inlet, rules, reading);
    return reading;
}

}  // namespace zorvik
