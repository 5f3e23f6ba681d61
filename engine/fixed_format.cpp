#include "fixed_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace zorvik {
namespace {

// The exact decimal digits of |value| (no leading zeros) and the decimal
// position of the first digit: value = 0.d1d2d3... x 10^(exponent + 1).
struct Digits {
    std::string d;
    int exponent = 0;
};

Digits ExactDigits(double magnitude) {
    // 40 digits after the first cover every double exactly enough for the
    // rounding decisions made here (a double has at most 17 significant
    // digits; the rest decide ties). to_chars never looks at the C library's
    // locale: printf would write "2,94" on a German desktop, and the comma
    // would be taken for a digit.
    char buffer[64];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 40).ptr;
    Digits out;
    const char* p = buffer;
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.') out.d.push_back(*p);
    int exponent = 0;
    if (p != end) std::from_chars(p + 1 + (p[1] == '+'), end, exponent);
    out.exponent = exponent;
    return out;
}

// Keeps the first `keep` digits, rounding half away from zero; a carry adds a
// digit in front. keep <= 0 leaves "0" or "1" at the next place up.
void RoundTo(Digits& v, int keep) {
    if (keep < 0) {
        v.d = "0";
        v.exponent += -keep + 1;
        return;
    }
    const bool up = keep < static_cast<int>(v.d.size()) && v.d[keep] >= '5';
    v.d.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && v.d[i] == '9') v.d[i--] = '0';
        if (i >= 0) {
            ++v.d[i];
        } else {
            v.d.insert(v.d.begin(), '1');
            ++v.exponent;
            if (keep > 0) v.d.pop_back();
        }
    }
    if (v.d.empty()) {
        v.d = "0";
        ++v.exponent;
    }
}

std::string Scientific(const Digits& v, int precision, bool negative, char sep) {
    Digits r = v;
    RoundTo(r, precision);
    std::string mantissa = r.d.substr(0, 1);
    std::string rest = r.d.substr(1);
    while (!rest.empty() && rest.back() == '0') rest.pop_back();
    if (!rest.empty()) mantissa += sep + rest;
    return (negative ? "-" : "") + mantissa + "E" + WholeNumber(r.exponent);
}

}  // namespace

std::string FormatFixed(double value, int precision, int decimals, char decimalSeparator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (precision < 1) precision = 1;
    if (decimals < 0) decimals = 0;
    const bool negative = std::signbit(value);
    if (value == 0) {
        std::string zero = "0";
        if (decimals > 0) zero += decimalSeparator + std::string(decimals, '0');
        return zero;
    }

    Digits v = ExactDigits(std::fabs(value));
    const int integerDigits = v.exponent + 1;
    if (integerDigits > precision) return Scientific(v, precision, negative, decimalSeparator);

    // One rounding, at whichever place comes first.
    const int keep = std::min(precision, integerDigits + decimals);
    RoundTo(v, keep);
    if (v.exponent + 1 > precision) return Scientific(v, precision, negative, decimalSeparator);

    // Lay the kept digits out on a fixed grid of integer and decimal places.
    std::string integerPart;
    std::string fraction;
    for (int place = std::max(v.exponent, 0); place >= -decimals; --place) {
        const int index = v.exponent - place;
        const char digit = index >= 0 && index < static_cast<int>(v.d.size()) ? v.d[index] : '0';
        (place >= 0 ? integerPart : fraction).push_back(digit);
    }
    const bool allZero =
        integerPart.find_first_not_of('0') == std::string::npos && fraction.find_first_not_of('0') == std::string::npos;
    std::string out = negative && !allZero ? "-" : "";
    out += integerPart;
    if (decimals > 0) out += decimalSeparator + fraction;
    return out;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool InRun(char c) { return IsDigit(c) || c == '.'; }

// Digits that carry on a word: "CRB19", "CRB19-2.5", "x2.5".
bool PartOfName(const std::string& text, std::size_t start) {
    if (start == 0) return false;
    const char before = text[start - 1];
    if (IsLetter(before)) return true;
    if (before != '-' || start < 2) return false;
    const char joined = text[start - 2];
    return IsLetter(joined) || IsDigit(joined);
}

}  // namespace

std::string WithDecimalSeparator(const std::string& text, char separator) {
    std::string out = text;
    if (separator == '.') return out;
    std::size_t start = 0;
    while (start < out.size()) {
        if (!IsDigit(out[start])) {
            ++start;
            continue;
        }
        const bool name = PartOfName(out, start);
        std::size_t end = start;
        while (end < out.size() && (InRun(out[end]) || (name && IsLetter(out[end])))) ++end;
        std::size_t last = end;
        while (out[last - 1] == '.') --last;  // a full stop after the number
        const std::string_view run(out.data() + start, last - start);
        if (!name && std::count(run.begin(), run.end(), '.') == 1) out[start + run.find('.')] = separator;
        start = end;
    }
    return out;
}

std::string ShortestNumber(double value) {
    char buffer[64];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(static_cast<const char*>(buffer), end);
}

}  // namespace zorvik
