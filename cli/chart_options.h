#pragma once
// Options that the picture commands share: the PNG scale, and the chart's
// drive pressure and inlet scale read as the adjust dialog reads them.

#include <optional>
#include <string>

#include "arguments.h"
#include "chart_view.h"

namespace zorvik::cli {

// --scale N: PNG pixels per picture pixel, 1 (the default) to 4.
std::optional<int> ReadPictureScale(const Arguments& parsed, std::string& error);

// Where a picture command writes: --out FILE, a .png, .svg or .pdf, and the
// PNG scale.
struct PictureOutput {
    std::string out;
    int scale = 1;
};
std::optional<PictureOutput> ReadPictureOutput(const Arguments& parsed, std::string& error);

// Where a page command writes: --out FILE, a .pdf.
std::optional<std::string> ReadPdfOutput(const Arguments& parsed, std::string& error);

// --inlet-scale F, above 0 (default 1.0).
std::optional<double> ReadInletScale(const Arguments& parsed, std::string& error);

// --drive P as the window's entry field takes it, 40 psig at least; the
// graph's drive pressure when not given. Nothing, with the error naming the
// option, when the entry is refused.
std::optional<double> ReadChartDrivePsi(const Arguments& parsed, std::string& error);

// The chart the graph window would draw of `model` with the same settings:
// bar or psi units, the drive pressure and the inlet scale. A drive pressure
// above the model's maximum is drawn at the maximum, and `command` says so
// on stderr.
ChartView GraphChartOf(int model, bool barUnits, double drivePsi, double inletScale, const char* command);

}  // namespace zorvik::cli
