// Figures to text and back on every desktop: the C library's numeric locale
// (which the application object sets from the desktop) must change nothing.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "fixed_format.h"
#include "number_text.h"

namespace zorvik {
namespace {

// The C library's locale of a desktop for the length of a test.
class DesktopLocale {
public:
    explicit DesktopLocale(const char* name) : before_(std::setlocale(LC_ALL, nullptr)) {
        set_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~DesktopLocale() { std::setlocale(LC_ALL, before_.c_str()); }
    bool Set() const { return set_; }

private:
    std::string before_;
    bool set_ = false;
};

const char* const kDesktops[] = {"C", "de_DE.UTF-8", "fr_FR.UTF-8"};

TEST(NumberLocaleTest, FiguresReadTheSameOnEveryDesktop) {
    const struct {
        double value;
        int precision;
        int decimals;
        char separator;
        const char* text;
        // clang-format off
    } cases[] = {
        {2.94, 7, 2, '.', "2.94"},   {10.6, 7, 1, '.', "10.6"},     {293, 7, 0, '.', "293"},
        {75, 7, 0, ',', "75"},       {2.94, 7, 2, ',', "2,94"},     {1500, 7, 0, ',', "1500"},
        {38678, 7, 0, ',', "38678"}, {124.4, 7, 0, ',', "124"},     {5800.17, 7, 2, ',', "5800,17"},
        {0.005, 7, 2, '.', "0.01"},  {-0.25, 7, 1, ',', "-0,3"},    {12345678, 7, 0, ',', "1,234568E7"},
        {1e-30, 7, 3, '.', "0.000"}, {6.2068966, 3, 1, ',', "6,2"}, {99.96, 7, 1, '.', "100.0"},
    };
    // clang-format on
    for (const char* desktop : kDesktops) {
        const DesktopLocale locale(desktop);
        if (!locale.Set()) {
            ADD_FAILURE() << desktop << " is not installed (the set-up script generates it)";
            continue;
        }
        for (const auto& c : cases)
            EXPECT_EQ(FormatFixed(c.value, c.precision, c.decimals, c.separator), c.text) << desktop << " " << c.text;
        EXPECT_EQ(ShortestNumber(20.5), "20.5") << desktop;
        EXPECT_EQ(ShortestNumber(0.1 + 0.2), "0.30000000000000004") << desktop;
        EXPECT_EQ(WholeNumber(-12), "-12") << desktop;
        EXPECT_EQ(ParseNumber("2.94"), 2.94) << desktop;
        EXPECT_EQ(ParseNumber("1e3"), 1000.0) << desktop;
        EXPECT_FALSE(ParseNumber("2,94")) << desktop;
    }
}

TEST(NumberLocaleTest, SeparatorGoesIntoNumbersButNotIntoNamesOrDates) {
    const struct {
        const char* text;
        const char* shown;
        // clang-format off
    } cases[] = {
        {"2.94",                        "2,94"},
        {"-0.5 barg",                   "-0,5 barg"},
        {"Drive 6.9 barg, inlet 10.0.", "Drive 6,9 barg, inlet 10,0."},
        {"CRB19-2.5",                   "CRB19-2.5"},
        {"CRB19-2.5 not listed: 2.5",   "CRB19-2.5 not listed: 2,5"},
        {"1.234568E7",                  "1,234568E7"},
        {"12.5.2026, version 2.03.1",   "12.5.2026, version 2.03.1"},
        {"n.m3/min 0.85",               "n.m3/min 0,85"},
        {"x2.5 stroke",                 "x2.5 stroke"},
        {"(1.5)",                       "(1,5)"},
        {"",                            ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(WithDecimalSeparator(c.text, ','), c.shown) << c.text;
        EXPECT_EQ(WithDecimalSeparator(c.text, '.'), c.text) << c.text;
    }
}

}  // namespace
}  // namespace zorvik
