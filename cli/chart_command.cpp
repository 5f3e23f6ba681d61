#include "chart_command.h"

#include <cstdio>
#include <optional>
#include <string>

#include "arguments.h"
#include "chart_options.h"
#include "offscreen_application.h"
#include "performance_chart.h"
#include "picture_file.h"

namespace zorvik::cli {
namespace {

const std::vector<OptionSpec> kOptions = {
    {"model", true}, {"drive", true}, {"inlet-scale", true}, {"units", true}, {"out", true}, {"scale", true},
};

void Help() {
    std::printf(
        "usage: zorvik-select chart --model N [--drive P] [--inlet-scale F] [--units psi|bar] [--scale N]\n"
        "                           --out FILE\n\n"
        "Draws the performance chart of one model, 617 x 461 pixels, as the\n"
        "Dimensions & Graphs window shows it.\n\n"
        "  --model N        catalogue model number, 1 to 15\n"
        "  --drive P        air drive pressure of the chart, psig (default 90), 40 at\n"
        "                   least; above the model's maximum the chart is drawn at\n"
        "                   the maximum, and a line on stderr says so (exit status 0)\n"
        "  --inlet-scale F  gas inlet pressure as a fraction of the model's reference\n"
        "                   inlet pressure (default 1.0); held to the model's limits\n"
        "  --units U        psi (psi and scfm, the default) or bar (bar and nl/min)\n"
        "  --out FILE       the file to write: .png, .svg or .pdf (SVG and PDF as vectors)\n"
        "  --scale N        a PNG N times the size, N from 1 (the default) to 4\n");
}

struct ChartRequest {
    int model = 1;
    bool barUnits = false;
    double inletScale = 1.0;
    PictureOutput output;
};

// The request, or a usage error. The drive pressure is read apart, as an
// entry with its own messages.
std::optional<ChartRequest> CheckUsage(const std::optional<Arguments>& parsed, std::string& error) {
    if (!parsed || !HasOptions(*parsed, "chart", {"model", "out"}, error)) return std::nullopt;
    ChartRequest r;
    const auto model = ReadModelOption(*parsed, error);
    if (!model) return std::nullopt;
    r.model = *model;
    const std::string units = parsed->Value("units", "psi");
    if (units != "psi" && units != "bar") {
        error = "--units must be psi or bar";
        return std::nullopt;
    }
    r.barUnits = units == "bar";
    const auto inletScale = ReadInletScale(*parsed, error);
    if (!inletScale) return std::nullopt;
    r.inletScale = *inletScale;
    const auto output = ReadPictureOutput(*parsed, error);
    if (!output) return std::nullopt;
    r.output = *output;
    return r;
}

int DrawChart(const ChartRequest& r, double drivePsi, const Translator* reader) {
    const OffscreenApplication app;

    const ChartView view = GraphChartOf(r.model, r.barUnits, drivePsi, r.inletScale, "chart");
    const PictureDrawing chart = Speaking(reader, [view](Canvas& canvas) { DrawChart(canvas, view); });
    QString error;
    const bool written =
        DrawPictureFile(r.output.out, ChartPictureWidth, ChartPictureHeight, chart, error, r.output.scale);
    return written ? ExitOk : Failure("chart", error.toStdString());
}

int Run(const Words& args, const Translator* reader) {
    std::string error;
    const auto parsed = ParseArguments(args, kOptions, error);
    const auto request = CheckUsage(parsed, error);
    if (!request) return Failure("chart", error);

    const auto drivePsi = ReadChartDrivePsi(*parsed, error);
    if (!drivePsi) return Failure("chart", error);
    return DrawChart(*request, *drivePsi, reader);
}

}  // namespace

const Command ChartCommand = {"chart", "performance chart of one model into a PNG, SVG or PDF file", Run, Help};

}  // namespace zorvik::cli
