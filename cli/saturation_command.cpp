#include "saturation_command.h"

#include <cstdio>
#include <optional>
#include <string>

#include "arguments.h"
#include "chart_options.h"
#include "offscreen_application.h"
#include "picture_file.h"
#include "saturation_chart.h"

namespace zorvik::cli {
namespace {

// Twice the window's 252 x 337 layout, so the chart's small print reads on
// paper and on screen.
constexpr int kWidth = 504;
constexpr int kHeight = 674;

const std::vector<OptionSpec> kOptions = {{"units", true}, {"out", true}, {"scale", true}};

void Help() {
    std::printf(
        "usage: zorvik-select saturation [--units F|C] [--scale N] --out FILE\n\n"
        "Draws the saturated-air window's chart, 504 x 674 pixels: the gauge pressure at\n"
        "which boosted air starts to condense against its temperature, for air dried to\n"
        "five pressure dewpoints at 100 psig (7 barg), with the window's three dryer\n"
        "examples marked.\n\n"
        "  --units U   F (degF and psig, the default) or C (degC and barg)\n"
        "  --out FILE  the file to write: .png, .svg or .pdf (SVG and PDF as vectors)\n"
        "  --scale N   a PNG N times the size, N from 1 (the default) to 4\n");
}

struct SaturationRequest {
    TemperatureScale units = TemperatureScale::Fahrenheit;
    PictureOutput output;
};

std::optional<SaturationRequest> CheckUsage(const std::optional<Arguments>& parsed, std::string& error) {
    if (!parsed || !HasOptions(*parsed, "saturation", {"out"}, error)) return std::nullopt;
    SaturationRequest r;
    const std::string units = parsed->Value("units", "F");
    if (units != "F" && units != "C") {
        error = "--units must be F or C";
        return std::nullopt;
    }
    r.units = units == "C" ? TemperatureScale::Celsius : TemperatureScale::Fahrenheit;
    const auto output = ReadPictureOutput(*parsed, error);
    if (!output) return std::nullopt;
    r.output = *output;
    return r;
}

int Run(const Words& args, const Translator* reader) {
    std::string error;
    const auto request = CheckUsage(ParseArguments(args, kOptions, error), error);
    if (!request) return Failure("saturation", error);
    const OffscreenApplication app;
    const SaturationChartData chart = SaturationChartOf(request->units);
    const PictureDrawing draw = [&chart, reader](Canvas& canvas) {
        DrawSaturationChart(canvas.Painter(), QSizeF(canvas.Width(), canvas.Height()), chart, reader);
    };
    QString writeError;
    if (!DrawPictureFile(request->output.out, kWidth, kHeight, draw, writeError, request->output.scale))
        return Failure("saturation", writeError.toStdString());
    return ExitOk;
}

}  // namespace

const Command SaturationCommand = {"saturation", "the saturation-line chart of compressed air into a file", Run, Help};

}  // namespace zorvik::cli
