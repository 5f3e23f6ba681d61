// ParseEntry and ReadEntryField against what their callers rely on.

#include <cerrno>
#include <cfloat>
#include <clocale>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "number_text.h"
#include "numeric_entry.h"
#include "units.h"
#include "fuzz/checks/check.h"
#include "fuzz/checks/fuzz_checks.h"
#include "tests/support/fake_entry_field.h"
#include "entry_units.h"

namespace zorvik::fuzz {
namespace {

const std::string kNull = "Null is not valid value";
const std::string kNotValid = " is not valid value";

std::string Trimmed(std::string text) {
    TrimLeadingBlanks(text);
    TrimTrailingBlanks(text);
    return text;
}

// The C library reads the same grammar where the two overlap (no leading
// white space, hex, infinity or nan, which strtod takes and the program
// refuses), so the two must agree on what is a number and on its value. A
// number too large is refused; one too small reads as 0.
void AgreesWithTheCLibrary(const std::string& text, const std::optional<double>& parsed) {
    if (text.empty() || text.find_first_of(std::string("xXiInN\t\n\v\f\r ", 13)) != std::string::npos) return;
    if (text.find('\0') != std::string::npos) return;
    // strtod reads the decimal point of the C library's locale: on a German
    // desktop "1,5" is its 1.5 and "1.5" is not a number, so the two swap.
    const char point = *std::localeconv()->decimal_point;
    std::string local = text;
    for (char& c : local)
        if (c == '.' || c == point) c = c == '.' ? point : '.';
    errno = 0;
    char* end = nullptr;
    const double reference = std::strtod(local.c_str(), &end);
    const bool whole = end == local.c_str() + local.size();
    if (!whole || std::isinf(reference)) {
        ZORVIK_REQUIRE(!parsed, "\"" + text + "\" read as a number, which strtod refuses or takes as too large");
        return;
    }
    ZORVIK_REQUIRE(parsed.has_value(), "\"" + text + "\" refused, which strtod reads");
    ZORVIK_REQUIRE(*parsed == reference || (*parsed == 0 && std::fabs(reference) < DBL_MIN),
                   "\"" + text + "\" read differently from strtod");
}

// The shortest text of a valid value reads back to the same value.
void RoundTrips(double value) {
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    const std::string text(buffer, written.ptr);
    const auto back = ParseNumber(text);
    ZORVIK_REQUIRE(back && *back == value, "the shortest text " + text + " does not read back");
}

void RequireUsable(const std::optional<double>& value) {
    ZORVIK_REQUIRE(!value || (std::isfinite(*value) && *value >= 0), "an entry gave a negative or non-finite number");
}

}  // namespace

void CheckParseEntry(std::string_view data) {
    if (data.empty()) return;
    const auto flags = static_cast<unsigned char>(data[0]);
    const std::string text(data.substr(1));
    const bool showMessages = (flags & 1) != 0;
    EmptyEntryCount empties{static_cast<int>((flags >> 1) & 7) - 1};
    const int countBefore = empties.count < 0 || empties.count > 5 ? 0 : empties.count;

    CountingNotices notices;
    const std::optional<double> value = ParseEntry(text, showMessages, empties, notices);
    RequireUsable(value);
    ZORVIK_REQUIRE(notices.errors.empty() && notices.questions.empty(), "ParseEntry showed an error box");
    ZORVIK_REQUIRE(empties.count >= 0 && empties.count <= 6, "empty-entry count out of range");

    const std::string trimmed = Trimmed(text);
    if (trimmed.empty()) {
        ZORVIK_REQUIRE(!value, "an empty entry was taken");
        ZORVIK_REQUIRE(empties.count == countBefore + 1, "an empty entry was not counted");
        ZORVIK_REQUIRE(notices.beeps == 1, "an empty entry did not beep once");
        const bool speaks = empties.count > 3 && showMessages;
        ZORVIK_REQUIRE(notices.warnings == (speaks ? std::vector<std::string>{kNull} : std::vector<std::string>{}),
                       "wrong message for an empty entry");
        return;
    }

    ZORVIK_REQUIRE(empties.count == 0, "a non-empty entry did not reset the empty-entry count");
    const std::optional<double> parsed = ParseNumber(trimmed);
    AgreesWithTheCLibrary(trimmed, parsed);
    const bool valid = parsed && trimmed.front() != '-' && *parsed <= LargestEntry;
    ZORVIK_REQUIRE(value.has_value() == valid, "\"" + trimmed + "\": validity differs from the number it reads");
    if (valid) {
        ZORVIK_REQUIRE(*value == *parsed, "\"" + trimmed + "\": the result is not the number");
        ZORVIK_REQUIRE(notices.beeps == 0 && notices.warnings.empty(), "a valid entry beeped or spoke");
        RoundTrips(*value);
    } else {
        ZORVIK_REQUIRE(notices.beeps == 1, "a refused entry did not beep once");
        const auto expected = showMessages ? std::vector<std::string>{trimmed + kNotValid} : std::vector<std::string>{};
        ZORVIK_REQUIRE(notices.warnings == expected, "wrong message for \"" + trimmed + "\"");
    }
}

void CheckReadEntryField(std::string_view data) {
    if (data.empty()) return;
    const auto flags = static_cast<unsigned char>(data[0]);
    const std::string text(data.substr(1));
    const int kind = (flags >> 1) & 3;
    const bool hidden = (flags & 8) != 0;
    const bool metric = (flags & 1) != 0;

    CountingNotices notices;
    testing::FakeEntryField field(text, !hidden);
    const std::optional<double> value = ReadEntryField(field, kind, metric, notices);
    RequireUsable(value);
    ZORVIK_REQUIRE(field.Text() == text, "reading a field changed its text");
    ZORVIK_REQUIRE(notices.errors.empty() && notices.questions.empty(), "ReadEntryField showed an error box");

    if (hidden) {
        ZORVIK_REQUIRE(!value, "a hidden field was read");
        ZORVIK_REQUIRE(notices.beeps == 0 && notices.warnings.empty() && field.FocusRequests() == 0,
                       "a hidden field beeped, spoke or took the focus");
        return;
    }
    const std::string trimmed = Trimmed(text);
    std::optional<double> expected = ParseNumber(trimmed);
    if (expected && (trimmed.front() == '-' || *expected < 0 || *expected > LargestEntry)) expected.reset();
    if (expected && metric && kind == PressureEntry) *expected *= units::PsiPerBar;
    if (expected && metric && kind == FlowEntry) *expected /= units::LitresPerCubicFoot;

    ZORVIK_REQUIRE(value.has_value() == expected.has_value(), "\"" + trimmed + "\": wrong validity");
    if (expected) {
        ZORVIK_REQUIRE(*value == *expected, "\"" + trimmed + "\": wrong value or conversion");
        ZORVIK_REQUIRE(notices.beeps == 0 && notices.warnings.empty() && field.FocusRequests() == 0,
                       "a valid field beeped, spoke or took the focus");
        return;
    }
    ZORVIK_REQUIRE(notices.beeps == 1 && field.FocusRequests() == 1,
                   "a refused field did not beep once and take the focus back");
    const std::string message = trimmed.empty() ? kNull : trimmed + kNotValid;
    ZORVIK_REQUIRE(notices.warnings == std::vector<std::string>{message}, "wrong message for \"" + trimmed + "\"");
}

void CheckConvertEntryUnits(std::string_view data) {
    if (data.empty()) return;
    const auto flags = static_cast<unsigned char>(data[0]);
    const bool toMetric = (flags & 1) != 0;
    const EntryKind kind = (flags & 2) != 0 ? FlowEntry : PressureEntry;
    const char separator = (flags & 4) != 0 ? ',' : '.';
    const std::string typed(data.substr(1));

    const std::string read = EntryNumberText(typed, separator);
    ZORVIK_REQUIRE(read.size() == typed.size(), "reading a field's text changed more than its separator");
    const std::optional<std::string> converted = ConvertedEntryText(read, kind, toMetric, separator);
    const std::optional<double> value = ParseNumber(read);
    // Imperial = metric x factor: psig per barg, cubic feet per litre.
    const double factor = kind == PressureEntry ? units::PsiPerBar : units::CubicFeetPerLitre;
    const double exact = value ? (toMetric ? *value / factor : *value * factor) : 0;
    if (!value || !std::isfinite(exact)) {
        ZORVIK_REQUIRE(!converted, "\"" + typed + "\" converted though it is no number, or too large");
        return;
    }
    ZORVIK_REQUIRE(converted.has_value(), "\"" + typed + "\" is a number but did not convert");

    // What the field then shows reads back as the converted value, rounded
    // to its decimals or to ten significant digits.
    const std::optional<double> shown = ParseNumber(EntryNumberText(*converted, separator));
    ZORVIK_REQUIRE(shown.has_value(), "the converted text \"" + *converted + "\" does not read back");
    const double halfStep = kind == PressureEntry && !toMetric ? 0.5 : 0.05;
    ZORVIK_REQUIRE(std::fabs(*shown - exact) <= (halfStep + std::fabs(exact) * 5e-10) * (1 + 1e-9),
                   "\"" + typed + "\" converted to \"" + *converted + "\", off by more than its rounding");

    // Switching back lands near the number typed: each way rounds once.
    const std::optional<std::string> again =
        ConvertedEntryText(EntryNumberText(*converted, separator), kind, !toMetric, separator);
    if (!again) return;
    const std::optional<double> returned = ParseNumber(EntryNumberText(*again, separator));
    ZORVIK_REQUIRE(returned.has_value(), "the text switched back, \"" + *again + "\", does not read");
    const double backFactor = toMetric ? factor : 1 / factor;  // what the first rounding is multiplied by
    const double backStep = kind == PressureEntry && toMetric ? 0.5 : 0.05;
    const double bound = halfStep * backFactor + backStep + std::fabs(*value) * 1e-8;
    ZORVIK_REQUIRE(std::fabs(*returned - *value) <= bound,
                   "\"" + typed + "\" came back from a unit switch and back as \"" + *again + "\"");
}

}  // namespace zorvik::fuzz
