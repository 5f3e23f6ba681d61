#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zorvik {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Decimal position of the first significant digit of a checked number text
// without sign ("123.4" gives 2, "0.05e3" gives 1), saturated so that huge
// exponents cannot overflow. Tells a number too large for a double from one
// too small, which from_chars reports alike.
long Magnitude(std::string_view body) {
    long position = -1;
    long intDigits = 0;
    std::size_t i = 0;
    for (; i < body.size() && IsDigit(body[i]); ++i) {
        if (position < 0 && body[i] != '0') position = 0;
        if (position >= 0) ++intDigits;
    }
    long first = position >= 0 ? intDigits - 1 : 0;
    if (position < 0 && i < body.size() && body[i] == '.') {
        long zeros = 0;
        for (++i; i < body.size() && body[i] == '0'; ++i) ++zeros;
        first = -(zeros + 1);
    }
    const auto e = body.find_first_of("eE");
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::size_t k = e + 1;
        const bool minus = k < body.size() && body[k] == '-';
        if (k < body.size() && (body[k] == '+' || body[k] == '-')) ++k;
        for (; k < body.size(); ++k) exponent = std::min(exponent * 10 + (body[k] - '0'), 100000L);
        if (minus) exponent = -exponent;
    }
    return first + exponent;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t mantissaStart = i;

    std::size_t digits = 0;
    while (i < n && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < n && IsDigit(text[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) return std::nullopt;
    }
    if (i != n) return std::nullopt;

    // from_chars takes no leading '+' and never looks at the locale.
    const std::string_view body = text.substr(mantissaStart);
    double value = 0;
    const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (end != body.data() + body.size()) return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Too large is not a number; too small is as good as zero.
        if (Magnitude(body) > 0) return std::nullopt;
        value = 0;
    } else if (ec != std::errc()) {
        return std::nullopt;
    }
    if (!std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::optional<double> ParseDutyNumber(std::string_view text) {
    const std::optional<double> value = ParseNumber(text);
    if (!value || text.front() == '-' || *value < 0 || *value > LargestEntry) return std::nullopt;
    return value;
}

std::optional<double> ParseTemperatureNumber(std::string_view text) {
    const std::optional<double> value = ParseNumber(text);
    if (!value || std::fabs(*value) > LargestEntry) return std::nullopt;
    return value;
}

std::optional<int> ParseWholeNumber(std::string_view text) {
    const std::size_t start = !text.empty() && text[0] == '+' ? 1 : 0;
    if (start == text.size() || (start == 1 && !IsDigit(text[1]))) return std::nullopt;
    int value = 0;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last) return std::nullopt;
    return value;
}

void TrimTrailingBlanks(std::string& text) {
    const auto last = text.find_last_not_of(' ');
    text.erase(last == std::string::npos ? 0 : last + 1);
}

void TrimLeadingBlanks(std::string& text) { text.erase(0, std::min(text.find_first_not_of(' '), text.size())); }

std::string EntryNumberText(const std::string& typed, char separator) {
    if (separator == '.') return typed;
    std::string dotted = typed;
    for (char& c : dotted)
        if (c == separator) c = '.';
    std::string trimmed = dotted;
    TrimLeadingBlanks(trimmed);
    TrimTrailingBlanks(trimmed);
    return ParseNumber(trimmed) ? dotted : typed;
}

}  // namespace zorvik
