#include "entry_units.h"

#include <cmath>

#include "fixed_format.h"
#include "number_text.h"
#include "units.h"

namespace zorvik {
namespace {

constexpr int kSignificantDigits = 10;

}  // namespace

std::optional<std::string> ConvertedEntryText(const std::string& text, EntryKind kind, bool toMetric, char separator) {
    const std::optional<double> value = ParseNumber(text);
    if (!value) return std::nullopt;
    double converted = 0;
    int decimals = 1;
    if (kind == PressureEntry) {
        // barg = psig / 14.50377;  psig = barg x 14.50377
        converted = toMetric ? *value / units::PsiPerBar : *value * units::PsiPerBar;
        decimals = toMetric ? 1 : 0;
    } else {
        // litres = cubic feet / 0.0353146...;  cubic feet = litres x 0.0353146... (per minute alike)
        converted = toMetric ? *value / units::CubicFeetPerLitre : *value * units::CubicFeetPerLitre;
    }
    if (!std::isfinite(converted)) return std::nullopt;
    return FormatFixed(converted, kSignificantDigits, decimals, separator);
}

std::optional<std::string> ConvertedTemperatureText(const std::string& text, bool toMetric, char separator) {
    const std::optional<double> value = ParseNumber(text);
    if (!value) return std::nullopt;
    const double converted = toMetric ? units::CelsiusOf(*value) : units::FahrenheitOf(*value);
    if (!std::isfinite(converted)) return std::nullopt;
    return FormatFixed(converted, kSignificantDigits, toMetric ? 1 : 0, separator);
}

}  // namespace zorvik
