#include "chart_command.h"

#include <cstdio>
#include <optional>
#include <string>

#include "arguments.h"
#include "offscreen_application.h"
#include "stderr_notices.h"
#include "number_text.h"
#include "numeric_entry.h"
#include "shared_state.h"
#include "graph_settings.h"
#include "performance_chart.h"
#include "picture_file.h"

namespace zorvik::cli {
namespace {

// The lowest air drive pressure of a chart, psig.
constexpr double kLowestDrivePsi = 40;

const std::vector<OptionSpec> kOptions = {
    {"model", true}, {"drive", true}, {"inlet-scale", true}, {"units", true}, {"out", true},
};

void Help() {
    std::printf(
        "usage: zorvik-select chart --model N [--drive P] [--inlet-scale F] [--units psi|bar] --out FILE\n\n"
        "Draws the performance chart of one model, 617 x 461 pixels, as the\n"
        "Dimensions & Graphs window shows it.\n\n"
        "  --model N        catalogue model number, 1 to 15\n"
        "  --drive P        air drive pressure of the chart, psig (default 90), 40 at\n"
        "                   least; above the model's maximum it is drawn at the\n"
        "                   maximum, with a warning\n"
        "  --inlet-scale F  gas inlet pressure as a fraction of the model's reference\n"
        "                   inlet pressure (default 1.0); held to the model's limits\n"
        "  --units U        psi (psi and scfm, the default) or bar (bar and nl/min)\n"
        "  --out FILE       the file to write: .png, .svg or .pdf\n");
}

struct ChartRequest {
    int model = 1;
    bool barUnits = false;
    double inletScale = 1.0;
    std::string out;
};

// The request, or a usage error. The drive pressure is read apart, as an
// entry with its own messages.
std::optional<ChartRequest> CheckUsage(const std::optional<Arguments>& parsed, std::string& error) {
    if (!parsed) return std::nullopt;
    if (!parsed->Has("model") || !parsed->Has("out")) {
        error = "chart needs --model and --out";
        return std::nullopt;
    }
    ChartRequest r;
    const auto model = ParseWholeNumber(parsed->Value("model"));
    if (!model || *model < 1 || *model > PumpCount) {
        error = "--model must be a whole number from 1 to 15";
        return std::nullopt;
    }
    r.model = *model;
    const std::string units = parsed->Value("units", "psi");
    if (units != "psi" && units != "bar") {
        error = "--units must be psi or bar";
        return std::nullopt;
    }
    r.barUnits = units == "bar";
    const auto scale = ParseNumber(parsed->Value("inlet-scale", "1.0"));
    if (!scale || !(*scale > 0)) {
        error = "--inlet-scale must be a number above 0";
        return std::nullopt;
    }
    r.inletScale = *scale;
    r.out = parsed->Value("out");
    if (!IsPictureFileName(QString::fromStdString(r.out))) {
        error = "--out must name a .png, .svg or .pdf file";
        return std::nullopt;
    }
    return r;
}

int DrawChart(const ChartRequest& r, double drivePsi, StderrNotices& notices) {
    const OffscreenApplication app;

    SelectPump(r.model);
    Shared.PumpIndex = r.model;
    Shared.DisplayMode = r.barUnits ? DisplayChartBar : DisplayChartPsi;
    Shared.GraphAirDrivePsi = drivePsi;
    Shared.GraphInletScale = r.inletScale;
    Shared.ShowChargeCurve = false;

    InstallNotices(&notices);
    QString error;
    const bool written = DrawPictureFile(QString::fromStdString(r.out), ChartPictureWidth, ChartPictureHeight,
                                         [](Canvas& canvas) { DrawGraphSettings(canvas); }, error);
    InstallNotices(nullptr);
    if (!written) {
        std::fprintf(stderr, "zorvik-select chart: %s\n", error.toStdString().c_str());
        return ExitFailed;
    }
    return ExitOk;
}

int Run(const Words& args) {
    std::string error;
    const auto parsed = ParseArguments(args, kOptions, error);
    const auto request = CheckUsage(parsed, error);
    if (!request) {
        std::fprintf(stderr, "zorvik-select chart: %s\n", error.c_str());
        return ExitFailed;
    }

    StderrNotices notices;
    double drivePsi = Shared.GraphAirDrivePsi;
    if (parsed->Has("drive")) {
        InstallNotices(&notices);
        OptionField field(parsed->Value("drive"));
        drivePsi = ReadEntryField(field, PressureEntry);
        InstallNotices(nullptr);
        if (!Shared.EntryValid) return ExitFailed;
        // The adjust dialog takes nothing below 40 psig either; below it the
        // model stalls at once and the chart would come out empty.
        if (drivePsi < kLowestDrivePsi) {
            notices.Warning("Air drive pressure is too low!");
            return ExitFailed;
        }
    }
    return DrawChart(*request, drivePsi, notices);
}

}  // namespace

const Command ChartCommand = {"chart", "performance chart of one model into a PNG, SVG or PDF file", Run, Help};

}  // namespace zorvik::cli
