#include "selection_run.h"

#include "numeric_entry.h"
#include "selection_row.h"

namespace zorvik {

SelectionRun::SelectionRun(Session& session, const SelectionControls& controls, std::uint8_t applicationType)
    : session(session), controls(controls) {
    result.applicationType = applicationType;
    result.metric = session.MetricUnits;
    session.IgnoreAirAvailable = controls.disableAirQtyLimitChecked;
    session.IgnoreFlowRate = controls.disableFlowrateLimitChecked;
}

bool SelectionRun::ReadFields(std::initializer_list<Field> fields) {
    for (const Field& f : fields) {
        const std::optional<double> value = ReadEntryField(*f.field, f.kind, session.MetricUnits, notices());
        *f.target = value.value_or(0);
        if (!value) {
            result.stop = SelectionStop::EntryInvalid;
            return false;
        }
    }
    return true;
}

bool SelectionRun::ReadGas() {
    session.GasBoosted = controls.gas;
    session.RealGasContents = controls.realGasChecked;
    session.GasCelsius = controls.gasCelsius.value_or(StandardGasCelsius);
    session.TemperatureLimitCelsius = controls.temperatureLimitCelsius;
    const bool metric = session.MetricUnits;
    if (controls.gasTemperatureEdit != nullptr) {
        const TemperatureReading gas = ReadTemperatureField(*controls.gasTemperatureEdit, metric, false, notices());
        if (!gas.valid) {
            result.stop = SelectionStop::EntryInvalid;
            return false;
        }
        session.GasCelsius = *gas.celsius;
    }
    if (controls.temperatureLimitEdit != nullptr) {
        const TemperatureReading limit = ReadTemperatureField(*controls.temperatureLimitEdit, metric, true, notices());
        if (!limit.valid) {
            result.stop = SelectionStop::EntryInvalid;
            return false;
        }
        session.TemperatureLimitCelsius = limit.celsius;
    }
    result.temperatureLimitCelsius = session.TemperatureLimitCelsius;
    return true;
}

SelectionResult SelectionRun::Failed(const Text& message) {
    notices().Beep();
    notices().Error(message);
    result.stop = SelectionStop::ValidationFailed;
    result.message = message;
    result.rows.clear();
    return result;
}

SelectionRow& SelectionRun::AddRow(const TPumpRecord& pump, double cyclesPerMin, double air, double flowOrTime,
                                   double outletPsi) {
    SelectionRow row;
    row.discharge = DischargeTemperatures(pump, session.GasBoosted, session.InletPsi, outletPsi, session.GasCelsius);
    row.overTemperatureLimit =
        row.discharge && ExceedsTemperatureLimit(*row.discharge, session.TemperatureLimitCelsius);
    const std::string ratioText = row.overTemperatureLimit ? pump.RatioText + OverLimitMark : pump.RatioText;
    row.text = FormatSelectionRow(pump.PumpNo, pump.Series, ratioText, cyclesPerMin, air, flowOrTime,
                                  RowFormat{result.applicationType, result.metric, controls.decimalSeparator},
                                  controls.textWidth);
    row.pumpNo = pump.PumpNo;
    row.series = pump.Series;
    row.ratioText = pump.RatioText;
    row.cyclesPerMin = cyclesPerMin;
    row.air = air;
    row.flowOrTime = flowOrTime;
    return result.rows.emplace_back(std::move(row));
}

}  // namespace zorvik
