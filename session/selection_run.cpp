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

SelectionResult SelectionRun::Failed(const std::string& message) {
    notices().Beep();
    notices().Error(message);
    result.stop = SelectionStop::ValidationFailed;
    result.message = message;
    result.rows.clear();
    return result;
}

SelectionRow& SelectionRun::AddRow(const TPumpRecord& pump, double cyclesPerMin, double air, double flowOrTime) {
    SelectionRow row;
    row.text = FormatSelectionRow(pump.PumpNo, pump.Series, pump.RatioText, cyclesPerMin, air, flowOrTime,
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
