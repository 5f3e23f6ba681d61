#include "drawing_command.h"

#include <cstdio>
#include <optional>
#include <string>

#include "arguments.h"
#include "chart_options.h"
#include "offscreen_application.h"
#include "catalogue.h"
#include "number_text.h"
#include "dimension_drawings.h"
#include "canvas.h"
#include "picture_file.h"

namespace zorvik::cli {
namespace {

// The graph window's picture, which every drawing is laid out on.
constexpr int kPageWidth = 617;
constexpr int kPageHeight = 461;

const std::vector<OptionSpec> kOptions = {
    {"model", true}, {"option", true}, {"title", true}, {"units", true}, {"out", true}, {"scale", true},
};

void Help() {
    std::printf(
        "usage: zorvik-select drawing --model N [--option INDEX --title TEXT] --units in|mm [--scale N]\n"
        "                             --out FILE\n\n"
        "Writes the dimension drawing of a model, or of one of its accessory options,\n"
        "as the 617 x 461 picture the program shows.\n\n"
        "  --model N       catalogue model number, 1 to 15\n"
        "  --option INDEX  option index (the last field of an option row); options\n"
        "                  without a drawing of their own give the model's drawing,\n"
        "                  an unknown index the \"not written\" page\n"
        "  --title TEXT    the option's part number, drawn as the title (with --option)\n"
        "  --units U       in or mm\n"
        "  --out FILE      .png, .svg or .pdf (SVG and PDF as vectors)\n"
        "  --scale N       a PNG N times the size, N from 1 (the default) to 4\n");
}

struct DrawingRequest {
    int model = 0;
    std::optional<int> option;
    QString title;
    bool mm = true;
    PictureOutput output;
};

std::optional<DrawingRequest> CheckUsage(const std::optional<Arguments>& parsed, std::string& error) {
    if (!parsed || !HasOptions(*parsed, "drawing", {"model", "units", "out"}, error)) return std::nullopt;
    if (parsed->Has("option") != parsed->Has("title")) {
        error = "--option and --title go together (the title is the option's part number)";
        return std::nullopt;
    }
    DrawingRequest r;
    const auto model = ReadModelOption(*parsed, error);
    if (!model) return std::nullopt;
    r.model = *model;
    if (parsed->Has("option")) {
        r.option = ParseWholeNumber(parsed->Value("option"));
        if (!r.option) {
            error = "--option must be a whole number";
            return std::nullopt;
        }
        r.title = QString::fromStdString(parsed->Value("title"));
    }
    const std::string units = parsed->Value("units");
    if (units != "in" && units != "mm") {
        error = "--units must be in or mm";
        return std::nullopt;
    }
    r.mm = units == "mm";
    const auto output = ReadPictureOutput(*parsed, error);
    if (!output) return std::nullopt;
    r.output = *output;
    return r;
}

int Run(const Words& args, const Translator* reader) {
    std::string error;
    const auto parsed = ParseArguments(args, kOptions, error);
    const auto request = CheckUsage(parsed, error);
    if (!request) return Failure("drawing", error);

    // The one drawing path, whatever the file: the window's own routines on
    // a Canvas over the file's device.
    const OffscreenApplication app;
    const DrawingView view{request->model, request->mm, request->option.value_or(0), request->title};
    QString writeError;
    if (!DrawPictureFile(request->output.out, kPageWidth, kPageHeight,
                         Speaking(reader, [view](Canvas& canvas) { DrawDrawing(canvas, view); }), writeError,
                         request->output.scale))
        return Failure("drawing", writeError.toLocal8Bit().toStdString());
    return ExitOk;
}

}  // namespace

const Command DrawingCommand = {"drawing", "dimension drawing of a model or accessory option", Run, Help};

}  // namespace zorvik::cli
