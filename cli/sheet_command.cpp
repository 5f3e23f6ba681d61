#include "sheet_command.h"

#include <cstdio>
#include <optional>
#include <string>

#include "arguments.h"
#include "chart_options.h"
#include "offscreen_application.h"
#include "office_option.h"
#include "data_sheet.h"
#include "dimension_drawings.h"
#include "performance_chart.h"
#include "output.h"
#include "printed_page.h"

namespace zorvik::cli {
namespace {

// clang-format off
const std::vector<OptionSpec> kOptions = {
    {"model", true}, {"show", true},        {"units", true}, {"drive", true},
    {"out", true},   {"inlet-scale", true}, {"office", true},
};
// clang-format on

void Help() {
    std::printf(
        "usage: zorvik-select sheet --model N --show chart|drawing [--units psi|bar|in|mm] [--drive P]\n"
        "                           [--inlet-scale F] [--office N] --out FILE.pdf\n\n"
        "Writes the one-page data sheet that the Dimensions & Graphs window prints,\n"
        "with the model's chart or drawing, as a PDF file.\n\n"
        "  --model N        catalogue model number, 1 to 15\n"
        "  --show S         chart or drawing\n"
        "  --units U        psi or bar for a chart (default psi), in or mm for a\n"
        "                   drawing (default in)\n"
        "  --drive P        air drive pressure of the chart, psig (default 90), 40 at\n"
        "                   least (chart only); above the model's maximum the chart is\n"
        "                   drawn at the maximum, and a line on stderr says so\n"
        "  --inlet-scale F  gas inlet pressure as a fraction of the model's reference\n"
        "                   inlet pressure (default 1.0; chart only)\n"
        "  --office N       the office whose company, telephone and fax the sheet\n"
        "                   names, numbered as the program lists the regions:\n"
        "%s"
        "  --out FILE       the PDF file to write\n",
        OfficeListHelp("                   ").c_str());
}

struct SheetRequest {
    int model = 1;
    TAddressData office;
    bool chart = true;
    bool otherUnits = false;  // bar on a chart, mm on a drawing
    double inletScale = 1.0;
    std::string out;
};

std::optional<SheetRequest> CheckUsage(const std::optional<Arguments>& parsed, std::string& error) {
    if (!parsed || !HasOptions(*parsed, "sheet", {"model", "show", "out"}, error)) return std::nullopt;
    SheetRequest r;
    const auto model = ReadModelOption(*parsed, error);
    if (!model) return std::nullopt;
    r.model = *model;
    const std::string show = parsed->Value("show");
    if (show != "chart" && show != "drawing") {
        error = "--show must be chart or drawing";
        return std::nullopt;
    }
    r.chart = show == "chart";
    const std::string units = parsed->Value("units", r.chart ? "psi" : "in");
    if (r.chart ? units != "psi" && units != "bar" : units != "in" && units != "mm") {
        error = r.chart ? "--units of a chart must be psi or bar" : "--units of a drawing must be in or mm";
        return std::nullopt;
    }
    r.otherUnits = units == "bar" || units == "mm";
    if (!r.chart && (parsed->Has("drive") || parsed->Has("inlet-scale"))) {
        error = "--drive and --inlet-scale go with --show chart";
        return std::nullopt;
    }
    const auto inletScale = ReadInletScale(*parsed, error);
    if (!inletScale) return std::nullopt;
    r.inletScale = *inletScale;
    const auto office = ReadOfficeOption(*parsed, error);
    if (!office) return std::nullopt;
    r.office = *office;
    const auto out = ReadPdfOutput(*parsed, error);
    if (!out) return std::nullopt;
    r.out = *out;
    return r;
}

// The picture as the graph window would show it after the same choices.
PictureDrawing Picture(const SheetRequest& r, double drivePsi) {
    if (r.chart) {
        const ChartView view = GraphChartOf(r.model, r.otherUnits, drivePsi, r.inletScale, "sheet");
        return [view](Canvas& canvas) { DrawChart(canvas, view); };
    }
    const DrawingView view{r.model, r.otherUnits, 0, {}};
    return [view](Canvas& canvas) { DrawDrawing(canvas, view); };
}

int Run(const Words& args, const Translator* reader) {
    std::string error;
    const auto parsed = ParseArguments(args, kOptions, error);
    const auto request = CheckUsage(parsed, error);
    if (!request) return Failure("sheet", error);
    const auto drivePsi = ReadChartDrivePsi(*parsed, error);
    if (!drivePsi) return Failure("sheet", error);

    const OffscreenApplication app;
    const PictureDrawing picture = Picture(*request, *drivePsi);
    const auto print = [&](PrintPage& sheet) {
        if (sheet.IsOpen()) sheet.Page().SetTranslator(reader);
        return PrintDataSheet(sheet, picture, request->office);
    };
    return WritePrintedPage(request->out, DataSheetTitle, print, error) ? ExitOk : Failure("sheet", error);
}

}  // namespace

const Command SheetCommand = {"sheet", "data sheet of a model with its chart or drawing into a PDF file", Run, Help};

}  // namespace zorvik::cli
