#include "model_chart_rows.h"

#include "fixed_format.h"
#include "number_text.h"
#include "units.h"

namespace zorvik {
namespace {

constexpr int ChartPrecision = 7;

// Fields (0-based) that the metric chart shows converted.
constexpr int MaxInletField = 2;
constexpr int MaxOutletField = 3;
constexpr int DisplacementField = 5;
constexpr int MaxAirDriveField = 6;
constexpr int DriveSizeField = 7;

bool EndsWith(const std::string& text, char c) { return !text.empty() && text.back() == c; }

// The metric text of one field, or nullopt when its figure is not a number.
std::optional<std::string> MetricField(int field, const std::string& text, char separator) {
    const auto convert = [&](auto toMetric, int decimals) -> std::optional<std::string> {
        const std::optional<double> value = ParseNumber(text);
        if (!value) return std::nullopt;
        return FormatFixed(toMetric(*value), ChartPrecision, decimals, separator);
    };
    const auto bar = [](double psi) { return psi / units::PsiPerBarShort; };
    const auto litres = [](double cubicInches) { return cubicInches * units::CubicCmPerCubicInch / 1000; };
    const auto mm = [](double inches) { return inches * units::MmPerInch; };
    switch (field) {
        case MaxInletField:
            if (EndsWith(text, 'a')) return text;
            return convert(bar, 1);
        case MaxOutletField:
            return convert(bar, 1);
        case DisplacementField:
            return convert(litres, 3);
        case MaxAirDriveField:
            if (EndsWith(text, 'm')) return text;
            return convert(bar, 1);
        case DriveSizeField:
            return convert(mm, 0);
        default:
            return text;
    }
}

}  // namespace

std::optional<ChartFields> ChartRowFields(std::string_view row, bool metric, char decimalSeparator) {
    ChartFields fields;
    for (int i = 0; i < ChartFieldCount; ++i) {
        const bool last = i == ChartFieldCount - 1;
        const std::size_t comma = row.find(',');
        if (!last && comma == std::string_view::npos) return std::nullopt;
        const std::string text(last ? row : row.substr(0, comma));
        if (!last) row.remove_prefix(comma + 1);

        if (!metric) {
            fields[i] = text;
            continue;
        }
        std::optional<std::string> converted = MetricField(i, text, decimalSeparator);
        if (!converted) return std::nullopt;
        fields[i] = std::move(*converted);
    }
    return fields;
}

ChartUnitTexts ChartUnits(bool metric) {
    if (metric) return {"(barg)", "(litre)", "(mm)"};
    return {"(psig)", "(Cu. In.)", "(In.)"};
}

}  // namespace zorvik
