#include "selection_command.h"

#include <deque>
#include <string>

#include "arguments.h"
#include "catalogue.h"
#include "option_values.h"
#include "selection_row.h"
#include "stderr_notices.h"

namespace zorvik::cli {
namespace {

// The command line prints cells without their padding, so the measure only
// has to be near Arial 12 pt (9 pixels a digit; 4 a blank, a tab, a point)
// and let the padding end.
int ApproximateArialWidth(const std::string& text) {
    int width = 0;
    for (const char c : text) width += c == ' ' || c == '\t' || c == '.' || c == ',' ? 4 : 9;
    return width;
}

// Every text as the window's entry routine would read it, before the run:
// the first it refuses stops the run with a message naming its option.
bool EveryTextReads(const SelectionCommandSpec& command, const std::vector<std::string>& texts,
                    const RunOptions& options, SelectionResult& result) {
    for (std::size_t i = 0; i < command.fields.size(); ++i) {
        const std::string name = options.namePrefix + std::string(command.fields[i].name);
        if (!ReadEntryOption(name, texts[i], command.fields[i].kind, options.metric, result.message)) {
            result.stop = SelectionStop::EntryInvalid;
            return false;
        }
    }
    return true;
}

void AddRow(SelectionResult& result, const TPumpRecord& pump, double cyclesPerMin, double air, double flowOrTime) {
    SelectionRow row;
    row.text = FormatSelectionRow(pump.PumpNo, pump.Series, pump.RatioText, cyclesPerMin, air, flowOrTime,
                                  RowFormat{result.applicationType, result.metric, '.'}, ApproximateArialWidth);
    row.pumpNo = pump.PumpNo;
    row.series = pump.Series;
    row.ratioText = pump.RatioText;
    row.cyclesPerMin = cyclesPerMin;
    row.air = air;
    row.flowOrTime = flowOrTime;
    result.rows.push_back(std::move(row));
}

// The list again, for the gas: the session's procedure searched for the
// catalogue's air. The same checks first, with the gas's own (its
// temperature, the real-gas model's range), shown as the window shows a
// failed check.
void SelectForGas(const GasOptions& gas, SelectionResult& result, Notices& notices) {
    result.rows.clear();
    if (result.IsFill()) {
        ApplyGas(gas, result.chargeDuty);
        result.message = ChargeValidationMessage(result.chargeDuty);
    } else {
        ApplyGas(gas, result.flowDuty);
        result.message = FlowValidationMessage(result.flowDuty);
    }
    if (!result.message.empty()) {
        notices.Beep();
        notices.Error(result.message);
        result.stop = SelectionStop::ValidationFailed;
        return;
    }
    if (result.IsFill()) {
        for (const ChargeCandidate& c : SearchVesselCharging(result.chargeDuty))
            if (c.Listed()) {
                AddRow(result, CatalogueRow(c.pumpNo), c.averageCyclesPerMin, c.driveAirScf, c.fillMinutes);
                result.rows.back().charge = c;
            }
        return;
    }
    for (const FlowCandidate& c : SearchContinuousProcess(result.flowDuty))
        if (c.Listed()) {
            AddRow(result, CatalogueRow(c.pumpNo), c.cyclesPerMin, c.delivered.airUseScfm, c.delivered.flowScfm);
            result.rows.back().flow = c;
        }
}

}  // namespace

std::vector<OptionSpec> SelectionOptionSpecs(const SelectionCommandSpec& command) {
    std::vector<OptionSpec> options = {{"format", true}, {"batch", true}};
    for (const FieldOption& f : command.fields) options.push_back({f.name, true});
    for (const char* s : command.switches) options.push_back({s, false});
    for (const OptionSpec& g : GasOptionSpecs()) options.push_back(g);
    return options;
}

RunOptions RunOptionsOf(const Arguments& parsed, const GasOptions& gas) {
    return {parsed.Has("metric"), parsed.Has("ignore-air"), parsed.Has("ignore-flow"), gas};
}

SelectionResult SelectFromTexts(const SelectionCommandSpec& command, const std::vector<std::string>& texts,
                                const RunOptions& options, Session& session, Notices& notices) {
    SelectionResult refused;
    refused.applicationType = command.applicationType;
    refused.metric = options.metric;
    if (!EveryTextReads(command, texts, options, refused)) return refused;

    session.ApplicationType = command.applicationType;
    session.MetricUnits = options.metric;
    std::deque<OptionField> fields;  // stable addresses for the pointers below
    SelectionControls controls;
    for (std::size_t i = 0; i < command.fields.size(); ++i)
        controls.fields.*command.fields[i].field = &fields.emplace_back(texts[i]);
    controls.disableAirQtyLimitChecked = options.ignoreAir;
    controls.disableFlowrateLimitChecked = options.ignoreFlow;
    controls.textWidth = ApproximateArialWidth;
    controls.decimalSeparator = '.';
    controls.notices = &notices;
    SelectionResult result = command.select(session, controls);
    if (result.Completed() && !options.gas.Catalogue()) SelectForGas(options.gas, result, notices);
    return result;
}

std::string StopMessage(const SelectionResult& result, const std::string& lastNotice) {
    return result.stop == SelectionStop::EntryInvalid || result.stop == SelectionStop::ValidationFailed ? result.message
                                                                                                        : lastNotice;
}

}  // namespace zorvik::cli
