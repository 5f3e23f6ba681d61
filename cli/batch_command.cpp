#include "batch_command.h"

#include <fstream>
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
    void Warning(const std::string& text) override { last_ = text; }
    void Error(const std::string& text) override { last_ = text; }
    bool Question(const std::string& text) override {
        if (!answer_) last_ = text;
        return answer_;
    }
    void CancelWarning(const std::string& text) override { last_ = text; }
    const std::string& Last() const { return last_; }
    void Clear() { last_.clear(); }

private:
    bool answer_;
    std::string last_;
};

std::vector<std::string> FieldNames(const SelectionCommandSpec& command) {
    std::vector<std::string> names;
    for (const FieldOption& f : command.fields) names.emplace_back(f.name);
    return names;
}

void Write(std::FILE* out, const std::string& text) { std::fwrite(text.data(), 1, text.size(), out); }

int SizeEveryPoint(const SelectionCommandSpec& command, const Arguments& parsed, SelectionFormat format,
                   std::istream& in, std::FILE* out) {
    BatchReader reader(in, FieldNames(command));
    if (!reader.HeaderError().empty()) return Failure(command.name, reader.HeaderError());
    BatchNotices notices(!parsed.Has("no-equalise"));
    // The columns follow the application and units before any point is read.
    const OutputKind kind{command.applicationType == ApplicationFillCylinder, parsed.Has("metric")};
    Write(out, BatchStart(kind, format));
    Session session;
    bool allSized = true;
    bool first = true;
    for (BatchCase point; reader.Next(point); first = false) {
        notices.Clear();
        const SelectionResult result =
            point.error.empty() ? SelectFromTexts(command, point.values, parsed, session, notices) : SelectionResult{};
        const bool sized = point.error.empty() && result.Completed();
        const std::string message = !point.error.empty()                             ? point.error
                                    : result.stop == SelectionStop::ValidationFailed ? result.message
                                                                                     : notices.Last();
        Write(out, BatchCaseText(kind, point.line, sized ? &result : nullptr, message, format, first));
        allSized = allSized && sized;
    }
    Write(out, BatchEnd(format, !first));
    return allSized ? ExitOk : ExitFailed;
}

// Standard input read whole through stdio: <iostream>'s standard streams
// would be set up at the start of every zorvik-select run, batch or not,
// and cost each run half a megabyte.
std::istringstream StandardInput() {
    std::string text;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) text.append(buffer, n);
    return std::istringstream(std::move(text));
}

}  // namespace

int RunBatch(const SelectionCommandSpec& command, const Arguments& parsed, SelectionFormat format, std::FILE* out) {
    const std::string name = parsed.Value("batch");
    if (name == "-") {
        std::istringstream in = StandardInput();
        return SizeEveryPoint(command, parsed, format, in, out);
    }
    std::ifstream file(name);
    if (!file) return Failure(command.name, "cannot read \"" + name + "\"");
    return SizeEveryPoint(command, parsed, format, file, out);
}

}  // namespace zorvik::cli
