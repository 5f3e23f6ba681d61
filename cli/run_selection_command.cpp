#include "run_selection_command.h"

#include <cstdio>
#include <string>

#include "arguments.h"
#include "batch_command.h"
#include "selection_output.h"
#include "stderr_notices.h"

namespace zorvik::cli {
namespace {

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
    auto parsed = ParseArguments(args, SelectionOptionSpecs(command), error);
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

int RunSelectionCommand(const SelectionCommandSpec& command, const Words& args, const Translator* reader) {
    std::string error;
    const auto parsed = CheckUsage(command, args, error);
    if (!parsed) return Failure(command.name, error);
    const SelectionFormat format = *ParseSelectionFormat(parsed->Value("format", "table"));
    if (parsed->Has("batch")) return RunBatch(command, *parsed, format, stdout);
    const std::optional<GasOptions> gas = ReadGasOptions(*parsed, error);
    if (!gas) return Failure(command.name, error);

    std::vector<std::string> texts;
    for (const FieldOption& f : command.fields) texts.push_back(parsed->Value(f.name));
    StderrNotices notices(!parsed->Has("no-equalise"));
    Session session;
    const SelectionResult result = SelectFromTexts(command, texts, RunOptionsOf(*parsed, *gas), session, notices);
    OutputKind kind = KindOf(result, *gas);
    kind.reader = reader;
    if (!result.Completed()) {
        if (result.stop == SelectionStop::EntryInvalid) Failure(command.name, English(result.message));
        PrintStoppedSelection(kind, StopMessage(result, notices.LastMessage()), format);
        return ExitFailed;
    }
    PrintSelection(kind, result, format);
    if (format != SelectionFormat::Json) SaySafetyNote(command.name, *gas);
    return ExitOk;
}

}  // namespace zorvik::cli
