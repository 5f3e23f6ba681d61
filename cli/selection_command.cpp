#include "selection_command.h"

#include <cstdio>
#include <deque>
#include <string>

#include "arguments.h"
#include "batch_command.h"
#include "selection_output.h"
#include "stderr_notices.h"
#include "shared_state.h"

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

bool HasAllFields(const SelectionCommandSpec& command, const Arguments& parsed, std::string& error) {
    std::string missing;
    for (const FieldOption& f : command.fields)
        if (!parsed.Has(f.name)) missing += std::string(missing.empty() ? "" : ", ") + "--" + f.name;
    if (!missing.empty()) error = std::string(command.name) + " needs " + missing;
    return missing.empty();
}

// A batch file gives the fields; the command line only the switches.
bool HasNoFields(const SelectionCommandSpec& command, const Arguments& parsed, std::string& error) {
    for (const FieldOption& f : command.fields)
        if (parsed.Has(f.name)) error = std::string("--") + f.name + " comes from the batch file, not the command line";
    return error.empty();
}

std::optional<Arguments> CheckUsage(const SelectionCommandSpec& command, const Words& args, std::string& error) {
    std::vector<OptionSpec> options = {{"format", true}, {"batch", true}};
    for (const FieldOption& f : command.fields) options.push_back({f.name, true});
    for (const char* s : command.switches) options.push_back({s, false});
    auto parsed = ParseArguments(args, options, error);
    if (!parsed) return std::nullopt;
    if (parsed->Has("batch") ? !HasNoFields(command, *parsed, error) : !HasAllFields(command, *parsed, error))
        return std::nullopt;
    if (!ParseSelectionFormat(parsed->Value("format", "table"))) {
        error = "--format must be table, csv or json";
        return std::nullopt;
    }
    return parsed;
}

}  // namespace

SelectionResult SelectFromTexts(const SelectionCommandSpec& command, const std::vector<std::string>& texts,
                                const Arguments& parsed) {
    Shared.ApplicationType = command.applicationType;
    Shared.MetricUnits = parsed.Has("metric");
    std::deque<OptionField> fields;  // stable addresses for the pointers below
    SelectionControls controls;
    for (std::size_t i = 0; i < command.fields.size(); ++i)
        controls.fields.*command.fields[i].field = &fields.emplace_back(texts[i]);
    controls.disableAirQtyLimitChecked = parsed.Has("ignore-air");
    controls.disableFlowrateLimitChecked = parsed.Has("ignore-flow");
    controls.textWidth = ApproximateArialWidth;
    controls.decimalSeparator = '.';
    return command.select(controls);
}

int RunSelectionCommand(const SelectionCommandSpec& command, const Words& args) {
    std::string error;
    const auto parsed = CheckUsage(command, args, error);
    if (!parsed) {
        std::fprintf(stderr, "zorvik-select %s: %s\n", command.name, error.c_str());
        return ExitFailed;
    }
    const SelectionFormat format = *ParseSelectionFormat(parsed->Value("format", "table"));
    if (parsed->Has("batch")) return RunBatch(command, *parsed, format, stdout);

    std::vector<std::string> texts;
    for (const FieldOption& f : command.fields) texts.push_back(parsed->Value(f.name));
    StderrNotices notices(!parsed->Has("no-equalise"));
    InstallNotices(&notices);
    const SelectionResult result = SelectFromTexts(command, texts, *parsed);
    InstallNotices(nullptr);

    if (!result.Completed()) {
        PrintStoppedSelection(result.stop == SelectionStop::ValidationFailed ? result.message : notices.LastMessage(),
                              format);
        return ExitFailed;
    }
    PrintSelection(result, format);
    return ExitOk;
}

}  // namespace zorvik::cli
