#include "model_chart_command.h"

#include <cstdio>
#include <optional>
#include <string>

#include "arguments.h"
#include "chart_options.h"
#include "model_chart_page.h"
#include "offscreen_application.h"
#include "office_option.h"
#include "output.h"
#include "printed_page.h"

namespace zorvik::cli {
namespace {

const std::vector<OptionSpec> kOptions = {{"units", true}, {"office", true}, {"out", true}};

void Help() {
    std::printf(
        "usage: zorvik-select model-chart [--units psi|bar] [--office N] --out FILE\n\n"
        "Writes the page the Model Selection Chart window prints: every model's ratio,\n"
        "rated pressures, stall pressure formula, displacement, drive pressure and drive\n"
        "size, with the office's contact lines.\n\n"
        "  --units U   psi (psig, cubic inches and inches, the default) or bar (barg,\n"
        "              litres and millimetres)\n"
        "  --office N  the office the page names, 1 to 10 as the program lists them\n"
        "  --out FILE  the PDF file to write\n");
}

struct ModelChartRequest {
    bool metric = false;
    TAddressData office;
    std::string out;
};

std::optional<ModelChartRequest> CheckUsage(const std::optional<Arguments>& parsed, std::string& error) {
    if (!parsed || !HasOptions(*parsed, "model-chart", {"out"}, error)) return std::nullopt;
    ModelChartRequest r;
    const std::string units = parsed->Value("units", "psi");
    if (units != "psi" && units != "bar") {
        error = "--units must be psi or bar";
        return std::nullopt;
    }
    r.metric = units == "bar";
    const auto office = ReadOfficeOption(*parsed, error);
    if (!office) return std::nullopt;
    r.office = *office;
    const auto out = ReadPdfOutput(*parsed, error);
    if (!out) return std::nullopt;
    r.out = *out;
    return r;
}

int Run(const Words& args, const Translator* reader) {
    std::string error;
    const auto request = CheckUsage(ParseArguments(args, kOptions, error), error);
    if (!request) return Failure("model-chart", error);
    const OffscreenApplication app;
    const auto print = [&](PrintPage& page) {
        return PrintModelSelectionChart(page, request->metric, ModelChartListFont(), request->office, reader);
    };
    if (!WritePrintedPage(request->out, QStringLiteral("Zorvik air amplifiers"), print, error))
        return Failure("model-chart", error);
    return ExitOk;
}

}  // namespace

const Command ModelChartCommand = {"model-chart", "the model selection chart's printed page into a PDF file", Run,
                                   Help};

}  // namespace zorvik::cli
