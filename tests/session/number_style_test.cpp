#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "number_style.h"
#include "numeric_entry.h"
#include "support/fake_entry_field.h"
#include "support/notice_recorder.h"

namespace zorvik {
namespace {

using testing::FakeEntryField;
using testing::NoticeKind;
using testing::NoticeRecorder;
using testing::TestNotices;

// The separators of three systems, as their locales give them.
const NumberStyle kGerman{',', "."};
const NumberStyle kFrench{',', "\u202F"};
const NumberStyle kEnglish{'.', ","};

const char kCommaOrPoint[] = "\rWrite it without a thousands separator, with \",\" or \".\" before the decimals: ";
const char kPointOnly[] = "\rWrite it without a thousands separator, with \".\" before the decimals: ";

// Either separator before the decimals in a comma system, only "." in a
// point one; a thousands separator never, whichever the system.
TEST(NumberStyleTest, FieldsTakeBothDecimalSeparatorsAndNoThousands) {
    const struct {
        const NumberStyle* style;
        const char* typed;
        std::optional<double> value;  // nothing: refused
        const char* example;          // of the hint after "<typed> is not valid value"
    } cases[] = {
        {&kGerman, "6,5", 6.5, nullptr},
        {&kGerman, " 6.5 ", 6.5, nullptr},
        {&kGerman, "1.234", 1.234, nullptr},  // "." is always the decimal point
        {&kGerman, "1.234,5", std::nullopt, "1234,5"},
        {&kGerman, "1.234.567", std::nullopt, "1234567"},
        {&kGerman, "1.23,5", std::nullopt, "1234,5"},  // not in threes: a made-up example
        {&kGerman, "6,5,", std::nullopt, "1234,5"},
        {&kGerman, "6,5 bar", std::nullopt, nullptr},  // not a separator fault: no hint
        {&kFrench, "6,5", 6.5, nullptr},
        {&kFrench, "1 234,5", std::nullopt, "1234,5"},
        {&kFrench, "1\u202F234,5", std::nullopt, "1234,5"},
        {&kFrench, "1\u00A0234.5", std::nullopt, "1234,5"},
        {&kFrench, "1.234,5", std::nullopt, "1234,5"},
        {&kEnglish, "6.5", 6.5, nullptr},
        {&kEnglish, "6,5", std::nullopt, nullptr},  // one comma grouping no threes: plain message
        {&kEnglish, "1,234.5", std::nullopt, "1234.5"},
        {&kEnglish, "-1,234", std::nullopt, "-1234"},
        {&kEnglish, "1.2.3", std::nullopt, "1234.5"},
        {&kEnglish, "abc", std::nullopt, nullptr},
    };
    for (const auto& c : cases) {
        NoticeRecorder notices{NoticeRecorder::Permissive};
        FakeEntryField field(c.typed, true, *c.style);
        const std::optional<double> read = ReadEntryField(field, PressureEntry, false, TestNotices());
        std::string text = c.typed;
        text.erase(0, text.find_first_not_of(' '));
        text.erase(text.find_last_not_of(' ') + 1);
        const std::string point = c.style->decimal == '.' ? kPointOnly : kCommaOrPoint;
        const std::string hint = c.example == nullptr ? "" : point + c.example;
        if (c.value) {
            EXPECT_EQ(read, c.value) << c.typed;
            EXPECT_TRUE(notices.Warnings().empty()) << c.typed;
        } else {
            EXPECT_EQ(read, std::nullopt) << c.typed;
            EXPECT_EQ(notices.Warnings(), std::vector<std::string>{text + " is not valid value" + hint}) << c.typed;
        }
    }
}

// The adjust dialog's routine reads the same way and quotes the text as it
// was typed, not as it was read.
TEST(NumberStyleTest, ParseEntryQuotesWhatWasTyped) {
    NoticeRecorder notices;
    EmptyEntryCount empties;
    EXPECT_EQ(ParseEntry("6,5", true, empties, TestNotices(), kGerman), 6.5);
    notices.Expect(NoticeKind::Warning, "-6,5 is not valid value");
    EXPECT_EQ(ParseEntry("-6,5", true, empties, TestNotices(), kGerman), std::nullopt);
    notices.Expect(NoticeKind::Warning, std::string("1.234,5 is not valid value") + kCommaOrPoint + "1234,5");
    EXPECT_EQ(ParseEntry("1.234,5", true, empties, TestNotices(), kGerman), std::nullopt);
}

// Without the system's separators (the command line, files) a text is
// refused with the plain message, as ever.
TEST(NumberStyleTest, NoHintWithoutAKnownThousandsSeparator) {
    for (const char* typed : {"1,234.5", "1.2.3", "1 234"}) EXPECT_EQ(ThousandsHint(typed, NumberStyle{}), "") << typed;
}

}  // namespace
}  // namespace zorvik
