#pragma once
// Hydrogen's compressibility factor by the NIST standardized equation
// (Lemmon, Huber & Leachman, J. Res. NIST 113 (2008) 341-350):
//   Z = 1 + sum over i = 1..9 of a_i (100 K / T)^b_i (p / 1 MPa)^c_i
// with the equation's own R = 8.314472 J/(mol K) and M = 2.01588 g/mol for
// the density.

namespace zorvik {

inline constexpr double HydrogenGasConstant = 8.314472;

// Z of normal hydrogen at p MPa (absolute) and T K.
double HydrogenCompressibility(double megapascals, double kelvin);

}  // namespace zorvik
