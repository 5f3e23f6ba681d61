#include "selection_row.h"

#include "fixed_format.h"
#include "session.h"
#include "units.h"

namespace zorvik {
namespace {

constexpr int kPrecision = 7;              // significant digits of every row number
constexpr int kCellPixels = 50;            // each cell measures at least this much
constexpr std::size_t kMaxCellChars = 64;  // stops the padding should a measure never reach 50 pixels

using units::LitresPerCubicFoot;

std::string Fixed(double value, int decimals, char separator) {
    return FormatFixed(value, kPrecision, decimals, separator);
}

// Blanks in front, one at a time, until the cell measures 50 pixels.
std::string Padded(std::string cell, const TextMeasure& textWidth) {
    while (cell.size() < kMaxCellChars && textWidth(cell) < kCellPixels) cell.insert(cell.begin(), ' ');
    return cell;
}

SelectionCells FlowCells(double cycles, double A, double F, bool metric, char sep) {
    SelectionCells c;
    if (metric) {
        // normal litres per minute = scfm x 28.316847
        c.timeOrFlow = Fixed(F * LitresPerCubicFoot, F < 10 ? 1 : 0, sep);
        // normal cubic metres per minute = scfm x 28.316847 / 1000
        c.air = Fixed(A * LitresPerCubicFoot / 1000, A < 20 ? 2 : 1, sep);
    } else {
        c.timeOrFlow = Fixed(F, F < 10 ? 2 : 1, sep);
        c.air = Fixed(A, A < 20 ? 1 : 0, sep);
    }
    c.cycles = Fixed(cycles, 0, sep);
    return c;
}

// F is the fill time (minutes), A the total drive air (standard cubic feet).
SelectionCells FillCells(double cycles, double A, double F, bool metric, char sep) {
    SelectionCells c;
    c.timeOrFlow = Fixed(F, F < 10 ? 1 : 0, sep);
    if (metric) {
        // average air, normal cubic metres per minute = scf / min x 28.316847 / 1000
        c.air = Fixed(A / F * LitresPerCubicFoot / 1000, 1, sep);
        // total air, normal cubic metres = scf x 28.316847 / 1000
        c.totalAir = Fixed(A * LitresPerCubicFoot / 1000, 1, sep);
    } else {
        // average air, scfm = total scf / fill minutes
        c.air = Fixed(A / F, 0, sep);
        c.totalAir = Fixed(A, 0, sep);
    }
    c.cycles = Fixed(cycles, 0, sep);
    return c;
}

}  // namespace

SelectionCells FormatSelectionCells(double cyclesPerMin, double air, double flowOrTime, const RowFormat& format) {
    if (format.applicationType == ApplicationFillCylinder)
        return FillCells(cyclesPerMin, air, flowOrTime, format.metric, format.decimalSeparator);
    return FlowCells(cyclesPerMin, air, flowOrTime, format.metric, format.decimalSeparator);
}

std::string FormatSelectionRow(int pumpNo, const std::string& series, const std::string& ratioText, double cyclesPerMin,
                               double air, double flowOrTime, const RowFormat& format, const TextMeasure& textWidth) {
    const SelectionCells c = FormatSelectionCells(cyclesPerMin, air, flowOrTime, format);
    std::string row = "\t" + series + ratioText + "\t";
    for (const std::string* cell : {&c.timeOrFlow, &c.air, &c.cycles, &c.totalAir})
        row += Padded(*cell + "\t", textWidth);
    row += Padded(WholeNumber(pumpNo), textWidth);
    return row;
}

}  // namespace zorvik
