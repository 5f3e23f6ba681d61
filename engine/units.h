#pragma once
// Unit conversion factors and the two atmospheres. The program uses two
// forms of the bar and litre factors side by side and each place keeps its
// own; do not merge them.

namespace zorvik::units {

// The catalogue's atmosphere: every performance figure, standard cubic foot
// and absolute pressure of the model takes absolute = gauge + 14.5.
inline constexpr double CatalogueAtmospherePsi = 14.5;
// The standard atmosphere, where the physical meaning is meant (water
// vapour in compressed air).
inline constexpr double StandardAtmospherePsi = 14.696;
inline constexpr double StandardAtmosphereBar = 1.01325;
inline constexpr double KelvinAtZeroCelsius = 273.15;
inline constexpr double CubicInchesPerCubicFoot = 1728;

inline constexpr double PsiPerBar = 14.50377;            // entry, selection, adjust dialog, data sheet, chart axis
inline constexpr double PsiPerBarShort = 14.5;           // chart drive caption, model selection chart
inline constexpr double LitresPerCubicFoot = 28.316847;  // entry, selection rows and report
inline constexpr double CubicFeetPerLitre = 0.03531466621266132;  // unit switch of the selection fields
inline constexpr double LitresPerCubicFootChart = 28.317;         // performance chart: nl/min = scfm x 28.317
inline constexpr double ChartNormalPerStandard = 0.88286;         // chart: Nm3/min = scfm x 28.317 x 0.88286 / 1000
inline constexpr double CubicInchesPerLitre = 61.023378;          // data sheet displacement
inline constexpr double CubicCmPerCubicInch = 16.387064;          // model selection chart displacement
inline constexpr double MmPerInch = 25.4;                         // model selection chart drive size

// degF = degC x 9 / 5 + 32, and back.
inline constexpr double FahrenheitOf(double celsius) { return celsius * 9 / 5 + 32; }
inline constexpr double CelsiusOf(double fahrenheit) { return (fahrenheit - 32) * 5 / 9; }

}  // namespace zorvik::units
