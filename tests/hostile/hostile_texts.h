#pragma once
// Texts nobody should type into a number field, and what each must give:
// either the number it reads as (imperial units, no conversion) or a refusal.
// Shared by the entry routines' tests and the windows' tests.

#include <optional>
#include <string>
#include <vector>

namespace zorvik::testing {

struct HostileText {
    const char* what;
    std::string text;
    std::optional<double> value;  // nothing: refused
    // What a window makes of it on a desktop whose decimal separator is a
    // comma, where that differs ("1,5" is 1.5 there).
    std::optional<double> onCommaDesktop = value;

    std::optional<double> ValueOnDesktop(char separator) const { return separator == ',' ? onCommaDesktop : value; }
};

inline std::vector<HostileText> HostileTexts() {
    using namespace std::string_literals;
    return {
        {"empty", "", std::nullopt},
        {"one blank", " ", std::nullopt},
        {"blanks", "     ", std::nullopt},
        {"10,000 blanks", std::string(10000, ' '), std::nullopt},
        {"a tab", "\t", std::nullopt},
        {"blanks round a number", "  12.5  ", 12.5},
        {"plus sign alone", "+", std::nullopt},
        {"minus sign alone", "-", std::nullopt},
        {"two signs", "+-1", std::nullopt},
        {"minus zero", "-0", std::nullopt},
        {"plus zero", "+0", 0.0},
        {"plus five", "+5", 5.0},
        {"negative", "-3", std::nullopt},
        {"the largest duty figure", "1e9", 1e9},
        {"past the largest duty figure", "1000000000.1", std::nullopt},
        {"largest exponent that fits", "1e308", std::nullopt},
        {"exponent past the largest double", "1e309", std::nullopt},
        {"huge exponent", "1e99999999999999999999", std::nullopt},
        {"tiny exponent", "1e-400", 0.0},
        {"huge negative exponent", "1e-99999999999999999999", 0.0},
        {"smallest double", "4.9e-324", 4.9e-324},
        {"exponent without digits", "1e", std::nullopt},
        {"hex", "0x10", std::nullopt},
        {"infinity", "inf", std::nullopt},
        {"not a number", "nan", std::nullopt},
        {"decimal comma", "1,5", std::nullopt, 1.5},
        {"arabic-indic digits", "\xD9\xA1\xD9\xA2", std::nullopt},
        {"full-width digits", "\xEF\xBC\x91\xEF\xBC\x92", std::nullopt},
        {"no-break space after", "12\xC2\xA0", std::nullopt},
        {"greek letter", "\xCE\xA9", std::nullopt},
        {"latin-1 byte", "12\xB0", std::nullopt},
        {"a NUL byte", "1\0"s, std::nullopt},
        {"10,000 nines", std::string(10000, '9'), std::nullopt},
        {"10,000 letters", std::string(10000, 'a'), std::nullopt},
        {"10,000 zeros and a one", std::string(10000, '0') + "1", 1.0},
        {"a one 10,000 places down", "0." + std::string(9998, '0') + "1", 0.0},
    };
}

}  // namespace zorvik::testing
