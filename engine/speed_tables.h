#pragma once
// Cycling speed against stall-equivalent air pressure, measured per drive
// pressure. Column j holds, in row 0, the drive pressure P[j] (psig) and in
// row k (1..11) the stall-equivalent air pressure (psig) at which the
// amplifier cycles at speed fraction k/10. Every column decreases down its
// rows; negative entries are normal.

namespace zorvik {

inline constexpr int SpeedRows = 12;  // drive pressure, then speed 0.1 .. 1.1

struct SpeedTable {
    int Columns;
    const double (*Row)[8];  // Row[k][j], k = 0..11, j = 0..Columns-1
};

// Every series except 8RBW.
const SpeedTable& StandardSpeedTable();
// 8RBW -2 (model 15) only.
const SpeedTable& EightRbwSpeedTable();

}  // namespace zorvik
