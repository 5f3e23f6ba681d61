#include "fixed_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

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
    // digits; the rest decide ties).
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.40e", magnitude);
    Digits out;
    const char* p = buffer;
    for (; *p != 'e'; ++p)
        if (*p != '.') out.d.push_back(*p);
    out.exponent = std::atoi(p + 1);
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
    return (negative ? "-" : "") + mantissa + "E" + std::to_string(r.exponent);
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

}  // namespace zorvik
