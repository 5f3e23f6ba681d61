#include "cli/drawing_command.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cstdio>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "core/catalogue.h"
#include "core/number_text.h"
#include "core/shared_state.h"
#include "drawings/dimension_drawings.h"
#include "platform/canvas.h"

namespace zorvik::cli {
namespace {

// The graph window's picture, which every drawing is laid out on.
constexpr int kPageWidth = 617;
constexpr int kPageHeight = 461;
constexpr int kPageDpi = 96;

const std::vector<OptionSpec> kOptions = {
    {"model", true}, {"option", true}, {"title", true}, {"units", true}, {"out", true},
};

void Help() {
    std::printf(
        "usage: zorvik-select drawing --model N [--option INDEX --title TEXT] --units in|mm --out FILE\n\n"
        "Writes the dimension drawing of a model, or of one of its accessory options,\n"
        "as the 617 x 461 picture the program shows.\n\n"
        "  --model N       catalogue model number, 1 to 15\n"
        "  --option INDEX  option index (the last field of an option row); options\n"
        "                  without a drawing of their own give the model's drawing,\n"
        "                  an unknown index the \"not written\" page\n"
        "  --title TEXT    the option's part number, drawn as the title (with --option)\n"
        "  --units U       in or mm\n"
        "  --out FILE      .png, .svg or .pdf\n");
}

enum class FileKind { Png, Svg, Pdf };

struct DrawingRequest {
    int model = 0;
    std::optional<int> option;
    QString title;
    bool mm = true;
    QString out;
    FileKind kind = FileKind::Png;
};

std::optional<FileKind> KindOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) return FileKind::Png;
    if (suffix == QLatin1String("svg")) return FileKind::Svg;
    if (suffix == QLatin1String("pdf")) return FileKind::Pdf;
    return std::nullopt;
}

std::optional<DrawingRequest> CheckUsage(const std::optional<Arguments>& parsed, std::string& error) {
    if (!parsed) return std::nullopt;
    if (!(parsed->Has("model") && parsed->Has("units") && parsed->Has("out"))) {
        error = "drawing needs --model, --units and --out";
        return std::nullopt;
    }
    if (parsed->Has("option") != parsed->Has("title")) {
        error = "--option and --title go together (the title is the option's part number)";
        return std::nullopt;
    }
    DrawingRequest r;
    const auto model = ParseWholeNumber(parsed->Value("model"));
    if (!model || *model < 1 || *model > PumpCount) {
        error = "--model must be a whole number from 1 to 15";
        return std::nullopt;
    }
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
    r.out = QString::fromStdString(parsed->Value("out"));
    const auto kind = KindOf(r.out);
    if (!kind) {
        error = "--out must name a .png, .svg or .pdf file";
        return std::nullopt;
    }
    r.kind = *kind;
    return r;
}

// The one drawing path, whatever the file: the window's own routines on a
// Canvas over the file's device.
void Paint(Canvas& canvas, const DrawingRequest& r) {
    SelectPump(r.model);
    Shared.DisplayMode = r.mm ? DisplayDrawingMm : DisplayDrawingInches;
    if (r.option) DrawOptionDrawing(canvas, *r.option, r.title, QString(), r.mm);
    else DrawModelDrawing(canvas);
}

bool WritePng(const DrawingRequest& r) {
    QImage image(kPageWidth, kPageHeight, QImage::Format_RGB32);
    {
        Canvas canvas(image);
        Paint(canvas, r);
    }
    return image.save(r.out, "PNG");
}

bool WriteSvg(const DrawingRequest& r) {
    QSvgGenerator svg;
    svg.setFileName(r.out);
    svg.setSize(QSize(kPageWidth, kPageHeight));
    svg.setViewBox(QRect(0, 0, kPageWidth, kPageHeight));
    svg.setResolution(kPageDpi);
    svg.setTitle(QStringLiteral("Zorvik Air Pressure Amplifiers"));
    Canvas canvas(svg, kPageDpi);
    if (!canvas.IsActive()) return false;
    Paint(canvas, r);
    return true;
}

bool WritePdf(const DrawingRequest& r) {
    QPdfWriter pdf(r.out);
    pdf.setResolution(kPageDpi);
    pdf.setPageSize(QPageSize(QSizeF(kPageWidth * 72.0 / kPageDpi, kPageHeight * 72.0 / kPageDpi),
                              QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QStringLiteral("Zorvik Air Pressure Amplifiers"));
    Canvas canvas(pdf, kPageDpi);
    if (!canvas.IsActive()) return false;
    Paint(canvas, r);
    return true;
}

int Run(const Words& args) {
    std::string error;
    const auto parsed = ParseArguments(args, kOptions, error);
    const auto request = CheckUsage(parsed, error);
    if (!request) {
        std::fprintf(stderr, "zorvik-select drawing: %s\n", error.c_str());
        return ExitFailed;
    }

    // Fonts and pictures need a GUI application, but no display: the other
    // commands never create one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "zorvik-select";
    char* argv[] = {name, nullptr};
    std::optional<QGuiApplication> app;
    if (QCoreApplication::instance() == nullptr) app.emplace(argc, argv);

    bool written = false;
    switch (request->kind) {
        case FileKind::Png: written = WritePng(*request); break;
        case FileKind::Svg: written = WriteSvg(*request); break;
        case FileKind::Pdf: written = WritePdf(*request); break;
    }
    if (!written) {
        std::fprintf(stderr, "zorvik-select drawing: cannot write \"%s\"\n", request->out.toLocal8Bit().constData());
        return ExitFailed;
    }
    return ExitOk;
}

}  // namespace

const Command DrawingCommand = {"drawing", "dimension drawing of a model or accessory option", Run, Help};

}  // namespace zorvik::cli
