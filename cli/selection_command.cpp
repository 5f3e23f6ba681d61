#include "selection_command.h"

#include <deque>
#include <string>

#include "arguments.h"
#include "numeric_entry.h"
#include "option_values.h"
#include "output.h"
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
        std::string error;
        if (!ReadEntryOption(name, texts[i], command.fields[i].kind, options.metric, error)) {
            result.stop = SelectionStop::EntryInvalid;
            result.message = error;
            return false;
        }
    }
    return true;
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
    const GasOptions& gas = options.gas;
    controls.gas = gas.gas;
    controls.gasCelsius = gas.celsius;
    controls.temperatureLimitCelsius = gas.limitCelsius;
    controls.realGasChecked = gas.realGas;
    return command.select(session, controls);
}

std::string StopMessage(const SelectionResult& result, const std::string& lastNotice) {
    const bool stoppedByRun =
        result.stop == SelectionStop::EntryInvalid || result.stop == SelectionStop::ValidationFailed;
    return stoppedByRun ? English(result.message) : lastNotice;
}

}  // namespace zorvik::cli
