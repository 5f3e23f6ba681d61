#include "batch_command.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "batch_file.h"
#include "notices.h"

namespace zorvik::cli {
namespace {

// A batch keeps each point's message for its own case; nothing goes to
// stderr per point. Questions get the answer of --no-equalise.
class BatchNotices final : public Notices {
public:
    explicit BatchNotices(bool answer) : answer_(answer) {}
    void Beep() override {}
    void Warning(const Text& text) override { last_ = English(text); }
    void Error(const Text& text) override { last_ = English(text); }
    bool Question(const Text& text) override {
        if (!answer_) last_ = English(text);
        return answer_;
    }
    void CancelWarning(const Text& text) override { last_ = English(text); }
    const std::string& Last() const { return last_; }
    void Clear() { last_.clear(); }

private:
    bool answer_;
    std::string last_;
};

class SelectionBatchWriter final : public BatchWriter {
public:
    SelectionBatchWriter(const OutputKind& kind, SelectionFormat format) : kind_(kind), format_(format) {}
    std::string Start(const std::vector<std::string>& carriedNames) override {
        return BatchStart(kind_, carriedNames, format_);
    }
    std::string Case(const BatchPoint& point, const SelectionResult* result, const std::string& message,
                     bool first) override {
        return BatchCaseText(kind_, point, result, message, format_, first);
    }
    std::string End(bool anyCase) override { return BatchEnd(format_, anyCase); }

private:
    OutputKind kind_;
    SelectionFormat format_;
};

std::vector<std::string> FieldNames(const SelectionCommandSpec& command) {
    std::vector<std::string> names;
    for (const FieldOption& f : command.fields) names.emplace_back(f.name);
    return names;
}

void Write(std::FILE* out, const std::string& text) { std::fwrite(text.data(), 1, text.size(), out); }

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Empty, or the reason a carried column cannot be: it names an option.
std::string OptionColumn(const std::vector<std::string>& carried, const std::vector<OptionSpec>& options) {
    for (const std::string& column : carried) {
        const std::string name = Lower(column);
        const auto option = std::find_if(options.begin(), options.end(), [&name](const OptionSpec& o) {
            return o.name == name || "--" + o.name == name;
        });
        if (option != options.end())
            return "the column \"" + column + "\" is an option of the command line: give --" + option->name +
                   " there, for every point";
    }
    return {};
}

int SizeEveryPoint(const BatchJob& job, std::istream& in, std::FILE* out) {
    BatchReader reader(in, FieldNames(job.command));
    std::string error = reader.HeaderError();
    if (error.empty()) error = OptionColumn(reader.CarriedColumns(), job.options);
    if (!error.empty()) return Failure(job.name, error);
    BatchNotices notices(!job.parsed.Has("no-equalise"));
    Write(out, job.writer.Start(reader.CarriedColumns()));
    Session session;
    int points = 0;
    int refused = 0;
    for (BatchCase point; reader.Next(point); ++points) {
        notices.Clear();
        const SelectionResult result = point.error.empty()
                                           ? SelectFromTexts(job.command, point.values, job.run, session, notices)
                                           : SelectionResult{};
        const bool sized = point.error.empty() && result.Completed();
        const std::string message = !point.error.empty() ? point.error : StopMessage(result, notices.Last());
        const BatchPoint written{point.line, reader.CarriedColumns(), point.carried};
        Write(out, job.writer.Case(written, sized ? &result : nullptr, message, points == 0));
        refused += sized ? 0 : 1;
    }
    Write(out, job.writer.End(points > 0));
    if (refused == 0) return ExitOk;
    std::fflush(out);
    std::fprintf(stderr, "zorvik-select %s: %d of %d points refused; each has its message in the output\n", job.name,
                 refused, points);
    return ExitSomeRefused;
}

// The most of standard input a batch reads: a million duty lines and more.
constexpr std::size_t kMaxStandardInputBytes = 64 * 1024 * 1024;

// Standard input read whole through stdio: <iostream>'s standard streams
// would be set up at the start of every zorvik-select run, batch or not,
// and cost each run half a megabyte. Nothing when it holds more than the
// most (a stream that never ends).
std::optional<std::istringstream> StandardInput() {
    std::string text;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) {
        text.append(buffer, n);
        if (text.size() > kMaxStandardInputBytes) return std::nullopt;
    }
    return std::istringstream(std::move(text));
}

}  // namespace

const char* const BatchFileHelp =
    "A batch file is what a spreadsheet saves as CSV: a header naming the values\n"
    "in any order and letter case, then a duty point a line, separated by \",\",\n"
    "\";\" or tabs, cells quoted or not. In a \";\" file \",\" is the decimal\n"
    "separator, in a tab file \",\" or \".\"; a number that could carry a thousands\n"
    "separator (1.500) is refused. Other columns (a customer's reference) are\n"
    "carried to the output; every point gets a \"case\", its line number, and one\n"
    "that cannot be sized its message. Exit status 0 when every point was read,\n"
    "1 when some were refused (their number on stderr), 2 when the file or its\n"
    "header cannot be read.\n\n";

int SizeBatch(const BatchJob& job, std::FILE* out) {
    BatchJob batch = job;
    batch.run.namePrefix = "";
    const std::string file = job.parsed.Value("batch");
    if (file == "-") {
        std::optional<std::istringstream> in = StandardInput();
        if (!in) return Failure(job.name, "standard input holds more than 64 MiB");
        return SizeEveryPoint(batch, *in, out);
    }
    std::ifstream in(file);
    if (!in) return Failure(job.name, "cannot read \"" + file + "\"");
    return SizeEveryPoint(batch, in, out);
}

int RunBatch(const SelectionCommandSpec& command, const Arguments& parsed, SelectionFormat format, std::FILE* out) {
    std::string error;
    const std::optional<GasOptions> gas = ReadGasOptions(parsed, error);
    if (!gas) return Failure(command.name, error);
    const RunOptions run = RunOptionsOf(parsed, *gas);
    SelectionBatchWriter writer({command.applicationType == ApplicationFillCylinder, run.metric, *gas}, format);
    const int status = SizeBatch({command.name, command, parsed, SelectionOptionSpecs(command), run, writer}, out);
    if (status != ExitFailed && format != SelectionFormat::Json) SaySafetyNote(command.name, *gas);
    return status;
}

}  // namespace zorvik::cli
