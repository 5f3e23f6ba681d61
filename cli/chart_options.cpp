#include "chart_options.h"

#include <cstdio>

#include "catalogue.h"
#include "number_text.h"
#include "option_values.h"
#include "output.h"
#include "numeric_entry.h"
#include "picture_file.h"
#include "session.h"

namespace zorvik::cli {
namespace {

// The lowest air drive pressure of a chart, psig.
constexpr double kLowestDrivePsi = 40;

}  // namespace

std::optional<int> ReadPictureScale(const Arguments& parsed, std::string& error) {
    const auto scale = ParseWholeNumber(parsed.Value("scale", "1"));
    if (!scale || *scale < LowestPictureScale || *scale > HighestPictureScale) {
        error = "--scale must be a whole number from 1 to 4";
        return std::nullopt;
    }
    return *scale;
}

std::optional<PictureOutput> ReadPictureOutput(const Arguments& parsed, std::string& error) {
    const auto scale = ReadPictureScale(parsed, error);
    if (!scale) return std::nullopt;
    PictureOutput output{parsed.Value("out"), *scale};
    if (IsPictureFileName(output.out)) return output;
    error = "--out must name a .png, .svg or .pdf file";
    return std::nullopt;
}

std::optional<std::string> ReadPdfOutput(const Arguments& parsed, std::string& error) {
    std::string out = parsed.Value("out");
    if (LowerExtension(out) == ".pdf") return out;
    error = "--out must name a .pdf file";
    return std::nullopt;
}

std::optional<double> ReadInletScale(const Arguments& parsed, std::string& error) {
    const auto scale = ParseNumber(parsed.Value("inlet-scale", "1.0"));
    if (!scale || !(*scale > 0)) {
        error = "--inlet-scale must be a number above 0";
        return std::nullopt;
    }
    return *scale;
}

std::optional<double> ReadChartDrivePsi(const Arguments& parsed, std::string& error) {
    if (!parsed.Has("drive")) return DefaultGraphAirDrivePsi;
    const std::optional<double> drivePsi =
        ReadEntryOption("--drive", parsed.Value("drive"), PressureEntry, false, error);
    if (!drivePsi) return std::nullopt;
    // The adjust dialog takes nothing below 40 psig either; below it the
    // model stalls at once and the chart would come out empty.
    if (*drivePsi < kLowestDrivePsi) {
        error = "--drive: " + parsed.Value("drive") + " psig is below the " + FullPrecision(kLowestDrivePsi) +
                " psig a chart starts at";
        return std::nullopt;
    }
    return drivePsi;
}

ChartView GraphChartOf(int model, bool barUnits, double drivePsi, double inletScale, const char* command) {
    const PreparedChart prepared = PrepareGraphChart(model, drivePsi, inletScale, barUnits);
    if (!prepared.warning.Empty()) {
        const std::string name = ModelName(CatalogueRow(model).Series, CatalogueRow(model).RatioText);
        std::fprintf(stderr,
                     "zorvik-select %s: --drive: %s psig is above the %s psig maximum of %s; drawn at %s psig\n",
                     command, FullPrecision(drivePsi).c_str(), FullPrecision(prepared.view.drivePsi).c_str(),
                     name.c_str(), FullPrecision(prepared.view.drivePsi).c_str());
    }
    return prepared.view;
}

}  // namespace zorvik::cli
