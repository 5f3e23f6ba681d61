#pragma once
// The model selection chart's own table of the range: fifteen fixed rows, kept
// apart from the catalogue because the chart quotes rated limits and formulas
// as the sales literature prints them. Each row holds eight comma-separated
// fields in imperial units; the metric figures are worked out afresh from
// these rows every time, so flipping the units back and forth never drifts.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zorvik {

inline constexpr int ChartFieldCount = 8;
inline constexpr int ChartRowCount = 15;

// model, ratio, max inlet gas (psig), max outlet gas (psig), static outlet
// pressure formula (Pa air drive, Ps supply inlet gas), piston displacement
// per cycle (cu. in.), max air drive (psig), drive size (in.)
inline constexpr std::array<std::string_view, ChartRowCount> ChartRows = {
    "CRB19 -2.5,2.5:1,125,320,2.5 Pa,2.4,125,2.87",
    "CRB19 -3.5,3.5:1,125,450,3.5 Pa,1.77,125,2.87",
    "CRB19 -4.5,4.5:1,125,600,4.5 Pa,1.35,125,2.87",
    "4RBW -2,2:1,250,250,Pa+Ps,62.5,125,4.0",
    "RB -8,8:1,1250,2500,7 Pa+Ps,13.2,150,5.75",
    "RB -15,15:1,2250,2250,15 Pa,6.2,150,5.75",
    "RB -30,30:1,4500,4500,30 Pa,3.1,150,5.75",
    "RBW -2,2:1,300,300,Pa+Ps,201,150,5.75",
    "RBW -5,5:1 (*4:1),1250,1250,4 Pa+Ps,19.3,150,5.75",
    "RBW -15,15:1,2500,2500,15 Pa+Ps,12.4,150,5.75",
    "RBW -30,30:1,4500,4500,30 Pa+Ps,6.2,150,5.75",
    "RBZ -7/30,7/30:1,300,4500,30 Pa+4 Ps,13.2,150,5.75",
    "RBZ -15/30,15/30:1,1000,4500,30 Pa+2 Ps,6.2,150,5.75",
    "RBZ -30/50,30/50:1,3000,5000,50 Pa+1.6Ps,3.1,150,5.75",
    "8RBW -2,2:1,300,300,Pa+Ps,400.0,130,8.0",
};

constexpr int CountChartFields(std::string_view row) {
    int fields = 1;
    for (char c : row)
        if (c == ',') ++fields;
    return fields;
}

// A row short of a field is a fault in the table above; let the build say so
// rather than the window.
constexpr bool AllChartRowsComplete() {
    for (std::string_view row : ChartRows)
        if (CountChartFields(row) < ChartFieldCount) return false;
    return true;
}
static_assert(AllChartRowsComplete(), "every chart row needs eight fields");

using ChartFields = std::array<std::string, ChartFieldCount>;

// The eight fields of a row: the first seven are the texts up to each comma,
// the eighth is the rest of the row. In metric, pressures become barg (/ 14.5,
// 1 decimal), the displacement litres (x 16.387064 / 1000, 3 decimals) and the
// drive size millimetres (x 25.4, no decimals), written fixed-point with
// precision 7; a max inlet field ending in "a" or a max air drive field
// ending in "m" already states its own unit and is left alone. Model, ratio
// and formula are never converted.
//
// nullopt when the row has fewer than eight fields or a figure to convert is
// not a number: a malformed row, which the caller treats as a programming
// error in its fixed data.
std::optional<ChartFields> ChartRowFields(std::string_view row, bool metric, char decimalSeparator = '.');

// Minimum width, in pixels of the list's font, of each field on screen:
// narrower fields get leading blanks so that a column's numbers end together.
inline constexpr std::array<int, ChartFieldCount> ChartFieldMinWidth = {9, 37, 37, 37, 80, 39, 39, 39};

// The unit captions under the headings and on the printout.
struct ChartUnitTexts {
    const char* Pressure;      // max inlet, max outlet, max air drive
    const char* Displacement;  // piston displacement per cycle
    const char* DriveSize;
};
ChartUnitTexts ChartUnits(bool metric);

}  // namespace zorvik
