#include "speed_tables.h"

namespace zorvik {
namespace {

// Each line is one drive-pressure column of the measured table, transposed
// below so that the code reads it by row (speed) and column (drive).
// clang-format off
constexpr double kStandardByDrive[8][SpeedRows] = {
//   drive  0.1    0.2    0.3    0.4    0.5    0.6    0.7    0.8    0.9    1.0    1.1
    {40,    39,    37.3,  34.2,  29.8,  23.9,  17.2,  8.5,   -2,    -12.5, -24.5, -36.5},
    {55,    53.5,  51.5,  48.7,  43.5,  37,    28.9,  19.7,  8.8,   -2.8,  -12.8, -22.8},
    {70,    68.8,  66.5,  63.4,  58.9,  52,    43.5,  32.5,  19.6,  3.8,   -12,   -27.8},
    {85,    83.2,  80.8,  77.8,  72.5,  67,    59,    47.5,  33.2,  15.5,  -5.5,  -27},
    {100,   98.2,  95.5,  91.8,  87,    81.3,  73,    62.2,  47,    27.5,  0.5,   -22.5},
    {115,   112.6, 110,   106.3, 101.5, 95.7,  88,    76,    60.8,  42,    18.7,  -12},
    {130,   126.8, 123,   118.7, 113,   105.5, 97.8,  86.7,  72.5,  54,    28.8,  -7.8},
    {145,   141.3, 137,   132.3, 126.8, 120.2, 112,   101,   87,    67.3,  39.5,  -5},
};
// clang-format on

// The 40 psig column was never measured at speed 1.1; -21.9 continues the
// straight line through its 0.9 and 1.0 entries (-2.1, -12), which keeps the
// column decreasing as the row search needs.
// clang-format off
constexpr double kEightRbwByDrive[7][SpeedRows] = {
//   drive  0.1    0.2    0.3    0.4    0.5    0.6    0.7    0.8    0.9    1.0    1.1
    {40,    37,    34,    30.9,  27.5,  23,    19,    12.5,  5.4,   -2.1,  -12,   -21.9},
    {55,    53,    50.5,  47.8,  44.2,  39.3,  33.5,  26.1,  15.2,  0,     -8.7,  -19.5},
    {70,    68.2,  65.2,  62.3,  58.7,  54.4,  49,    41.3,  29,    14.5,  -2.8,  -18.8},
    {85,    82,    79,    75.4,  72,    66.5,  59.4,  50.8,  39,    21,    2,     -13.1},
    {100,   96.4,  92.8,  88.4,  83.4,  76.1,  68.2,  57.2,  43.5,  23.9,  2.9,   -17.4},
    {115,   111.5, 107,   100.5, 94,    85.5,  74.3,  62.3,  48.5,  29.7,  9.6,   -14.5},
    {130,   124.5, 118,   111.5, 104,   95.5,  85.5,  72.5,  58,    40.6,  18.8,  -8.7},
};
// clang-format on

template <int Columns>
constexpr auto Transpose(const double (&byDrive)[Columns][SpeedRows]) {
    struct Rows {
        double Row[SpeedRows][8]{};
    } rows{};
    for (int j = 0; j < Columns; ++j)
        for (int k = 0; k < SpeedRows; ++k) rows.Row[k][j] = byDrive[j][k];
    return rows;
}

constexpr auto kStandardRows = Transpose(kStandardByDrive);
constexpr auto kEightRbwRows = Transpose(kEightRbwByDrive);

}  // namespace

const SpeedTable& StandardSpeedTable() {
    static const SpeedTable table{8, kStandardRows.Row};
    return table;
}

const SpeedTable& EightRbwSpeedTable() {
    static const SpeedTable table{7, kEightRbwRows.Row};
    return table;
}

}  // namespace zorvik
