#include "option_values.h"

#include "notices.h"
#include "number_text.h"
#include "numeric_entry.h"
#include "units.h"

namespace zorvik::cli {
namespace {

constexpr double kAbsoluteZeroCelsius = -units::KelvinAtZeroCelsius;

// The entry routine reads blanks alone as an empty field.
std::string NotValid(const std::string& name, const std::string& text) {
    if (text.find_first_not_of(' ') == std::string::npos) return name + ": an empty value is not valid";
    return name + ": " + text + " is not a valid value";
}

}  // namespace

// The entry routine itself decides, so an option takes exactly what the
// window's field takes; its own message names no field, so this one is made
// here.
std::optional<double> ReadEntryOption(const std::string& name, const std::string& text, int kind, bool metric,
                                      std::string& error) {
    TextEntryField field(text);
    SilentNotices quiet;
    const std::optional<double> value = ReadEntryField(field, kind, metric, quiet);
    if (!value) error = NotValid(name, text);
    return value;
}

std::optional<double> ReadCelsiusOption(const std::string& name, const std::string& text, std::string& error) {
    const std::optional<double> celsius = ParseTemperatureNumber(text);
    if (!celsius) {
        error = NotValid(name, text);
        return std::nullopt;
    }
    if (!(*celsius > kAbsoluteZeroCelsius)) {
        error = name + ": " + text + " degC is not above absolute zero";
        return std::nullopt;
    }
    return celsius;
}

}  // namespace zorvik::cli
