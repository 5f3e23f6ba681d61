#include "item_duty.h"

#include <optional>
#include <vector>

#include "gas_figures.h"
#include "gases.h"
#include "moisture.h"
#include "number_text.h"
#include "text_catalog.h"
#include "units.h"

namespace zorvik::job {
namespace {

enum class Kind { Pressure, Volume };  // volume: a flow or a capacity

struct Field {
    const char* name;  // as the file and the command line name it
    const std::string* text;
    Kind kind;
    double* target;
};

// The number of a field, in psig, scfm or cubic feet; nothing and the
// message when the window would refuse the text. "-0" is refused as the
// window refuses it: any text starting with "-".
std::optional<double> FieldValue(std::string text, Kind kind, bool metric, std::string& problem) {
    TrimLeadingBlanks(text);
    if (text.empty()) {
        problem = Tr("Entry", "Null is not valid value");
        return std::nullopt;
    }
    TrimTrailingBlanks(text);
    std::optional<double> value = ParseDutyNumber(text);
    if (value && metric)
        *value = kind == Kind::Pressure ? *value * units::PsiPerBar : *value / units::LitresPerCubicFoot;
    if (!value) {
        problem = Substitute(Tr("Entry", "%1 is not valid value"), {text});
        return std::nullopt;
    }
    return value;
}

// Reads the fields in the window's order and stops at the first refused one.
std::string ReadFields(const std::vector<Field>& fields, bool metric) {
    for (const Field& f : fields) {
        std::string problem;
        const auto value = FieldValue(*f.text, f.kind, metric, problem);
        if (!value) return std::string(f.name) + ": " + problem;
        *f.target = *value;
    }
    return {};
}

// The gas and its temperatures as the window's gas controls read them: a
// temperature may be below zero, an empty one is the standard 20 degC, an
// empty limit is none.
struct GasReading {
    Gas gas = Gas::Air;
    double celsius = StandardCelsius;
    std::optional<double> limitCelsius;
};

std::optional<double> Celsius(std::string text, bool metric) {
    TrimLeadingBlanks(text);
    TrimTrailingBlanks(text);
    const std::optional<double> value = ParseTemperatureNumber(text);
    if (!value) return std::nullopt;
    return metric ? *value : units::CelsiusOf(*value);
}

std::string ReadGas(const ItemDuty& typed, bool metric, GasReading& r) {
    const std::optional<Gas> gas = GasNamed(typed.gas);
    if (!gas) return "gas: " + Substitute(Tr("Entry", "%1 is not a gas the program sizes"), {typed.gas});
    r.gas = *gas;
    const struct {
        const char* name;
        const std::string* text;
        std::optional<double>* target;
    } temperatures[] = {{"gas_temperature", &typed.gasTemperature, nullptr},
                        {"temperature_limit", &typed.temperatureLimit, &r.limitCelsius}};
    for (const auto& t : temperatures) {
        if (t.text->find_first_not_of(' ') == std::string::npos) continue;
        const std::optional<double> celsius = Celsius(*t.text, metric);
        if (!celsius) return std::string(t.name) + ": " + Substitute(Tr("Entry", "%1 is not valid value"), {*t.text});
        if (t.target != nullptr)
            *t.target = celsius;
        else
            r.celsius = *celsius;
    }
    return {};
}

void ReadFlow(const ItemDuty& typed, const std::string& inlet, bool metric, DutyReading& r) {
    FlowDuty& d = r.flow;
    r.problem = ReadFields({{"drive", &typed.drive, Kind::Pressure, &d.drivePsi},
                            {"air", &typed.air, Kind::Volume, &d.airAvailableScfm},
                            {"outlet", &typed.outlet, Kind::Pressure, &d.outletPsi},
                            {"inlet", &inlet, Kind::Pressure, &d.inletPsi},
                            {"flow", &typed.flow, Kind::Volume, &d.flowRequiredScfm}},
                           metric);
    d.ignoreAirAvailable = typed.ignoreAir;
    d.ignoreFlowRate = typed.ignoreFlow;
    GasReading gas;
    if (r.problem.empty()) r.problem = ReadGas(typed, metric, gas);
    d.gas = gas.gas;
    d.gasCelsius = gas.celsius;
    d.temperatureLimitCelsius = gas.limitCelsius;
    if (r.problem.empty()) r.problem = FlowValidationMessage(d);
}

void ReadFill(const ItemDuty& typed, const std::string& inlet, bool metric, DutyReading& r) {
    ChargeDuty& d = r.fill;
    r.problem = ReadFields({{"drive", &typed.drive, Kind::Pressure, &d.drivePsi},
                            {"air", &typed.air, Kind::Volume, &d.airAvailableScfm},
                            {"inlet", &inlet, Kind::Pressure, &d.inletPsi},
                            {"initial", &typed.initial, Kind::Pressure, &d.startPsi},
                            {"final", &typed.final, Kind::Pressure, &d.finalPsi},
                            {"capacity", &typed.capacity, Kind::Volume, &d.capacityFt3}},
                           metric);
    d.ignoreAirAvailable = typed.ignoreAir;
    GasReading gas;
    if (r.problem.empty()) r.problem = ReadGas(typed, metric, gas);
    if (!r.problem.empty()) return;
    d.gas = gas.gas;
    d.vesselCelsius = gas.celsius;
    d.temperatureLimitCelsius = gas.limitCelsius;
    d.contents = typed.realGas ? ContentsCount::RealGas : ContentsCount::Ideal;
    // The gas would flow straight through until the pressures are equal.
    if (d.startPsi < d.inletPsi) {
        d.startPsi = d.inletPsi;
        r.equalised = true;
    }
    r.problem = ChargeValidationMessage(d);
}

}  // namespace

DutyReading ReadDuty(Application application, const ItemDuty& duty) {
    DutyReading reading;
    const bool metric = duty.units == UnitSystem::Metric;
    const std::string& inlet = duty.inletEqualsDrive ? duty.drive : duty.inlet;
    if (application == Application::Flow)
        ReadFlow(duty, inlet, metric, reading);
    else
        ReadFill(duty, inlet, metric, reading);
    return reading;
}

}  // namespace zorvik::job
