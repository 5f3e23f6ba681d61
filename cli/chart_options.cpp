#include "chart_options.h"

#include "number_text.h"
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

std::optional<double> ReadInletScale(const Arguments& parsed, std::string& error) {
    const auto scale = ParseNumber(parsed.Value("inlet-scale", "1.0"));
    if (!scale || !(*scale > 0)) {
        error = "--inlet-scale must be a number above 0";
        return std::nullopt;
    }
    return *scale;
}

std::optional<double> ReadChartDrivePsi(const Arguments& parsed, StderrNotices& notices) {
    if (!parsed.Has("drive")) return DefaultGraphAirDrivePsi;
    OptionField field(parsed.Value("drive"));
    const std::optional<double> drivePsi = ReadEntryField(field, PressureEntry, false, notices);
    if (!drivePsi) return std::nullopt;
    // The adjust dialog takes nothing below 40 psig either; below it the
    // model stalls at once and the chart would come out empty.
    if (*drivePsi < kLowestDrivePsi) {
        notices.Warning("Air drive pressure is too low!");
        return std::nullopt;
    }
    return drivePsi;
}

ChartView GraphChartOf(int model, bool barUnits, double drivePsi, double inletScale, Notices& notices) {
    const PreparedChart prepared = PrepareGraphChart(model, drivePsi, inletScale, barUnits);
    if (!prepared.warning.empty()) {
        notices.Beep();
        notices.Warning(prepared.warning);
    }
    return prepared.view;
}

}  // namespace zorvik::cli
