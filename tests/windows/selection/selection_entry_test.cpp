#include <gtest/gtest.h>

#include <QKeyEvent>

#include "selection_entry.h"

namespace zorvik {
namespace {

// Every field kind both ways, at the window's default figures: a round trip
// changes the figures by the rounding on screen.
TEST(ConvertedEntryTextTest, DefaultsToMetricAndBack) {
    struct Case {
        const char* imperial;
        EntryKind kind;
        const char* metric;
        const char* back;
    };
    // clang-format off
    const Case cases[] = {
        {"100", PressureEntry, "6.9", "100"},   // drive, inlet, initial
        {"100", FlowEntry, "2831.7", "100.0"},  // drive air flow
        {"2.00", FlowEntry, "56.6", "2.0"},     // required flow
        {"200", PressureEntry, "13.8", "200"},  // outlet
        {"1000", PressureEntry, "68.9", "999"}, // final: 68.9 barg is 999.3 psig
        {"1.00", FlowEntry, "28.3", "1.0"},     // capacity
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(ConvertedEntryText(c.imperial, c.kind, true, '.'), c.metric) << c.imperial;
        EXPECT_EQ(ConvertedEntryText(c.metric, c.kind, false, '.'), c.back) << c.metric;
    }
}

TEST(ConvertedEntryTextTest, TakesTheTextAsItStands) {
    for (const char* text : {"", "abc", " 100", "100 ", "1,5", "12a"})
        EXPECT_EQ(ConvertedEntryText(text, PressureEntry, true, '.'), std::nullopt) << '"' << text << '"';
    EXPECT_EQ(ConvertedEntryText("1.5e2", PressureEntry, true, '.'), "10.3");
    EXPECT_EQ(ConvertedEntryText("100", PressureEntry, true, ','), "6,9");
    EXPECT_EQ(ConvertedEntryText("2", FlowEntry, false, ','), "0,1");
}

// A number that converts to more than a double holds is refused like text
// that is no number: the field would otherwise show "INF", which no entry
// reads and no switch back turns into the number again.
TEST(ConvertedEntryTextTest, RefusesWhatWouldOverflow) {
    EXPECT_EQ(ConvertedEntryText("1e308", PressureEntry, false, '.'), std::nullopt);
    EXPECT_EQ(ConvertedEntryText("1e307", FlowEntry, true, '.'), std::nullopt);
    EXPECT_EQ(ConvertedEntryText("1e308", PressureEntry, true, '.'), "6.894759087E306");
    EXPECT_EQ(ConvertedEntryText("1e308", FlowEntry, false, '.'), "3.531466621E306");
}

// Where the system writes decimals with a comma, what the window wrote or
// the user typed with the comma still reads as a number; anything else is
// quoted as typed.
TEST(EntryNumberTextTest, ReadsTheSystemSeparatorAsThePoint) {
    struct Case {
        const char* shown;
        char separator;
        const char* read;
    };
    // clang-format off
    const Case cases[] = {
        {"6.9", '.', "6.9"},   {"6,9", '.', "6,9"},       {"6,9", ',', "6.9"}, {" 6,9 ", ',', " 6.9 "},
        {"6.9", ',', "6.9"},   {"1,2,3", ',', "1,2,3"},   {"6,9x", ',', "6,9x"}, {"", ',', ""},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(EntryNumberText(QString::fromLatin1(c.shown), c.separator), c.read) << c.shown;
}

}  // namespace
}  // namespace zorvik
