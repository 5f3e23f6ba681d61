#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "numeric_entry.h"
#include "support/fake_entry_field.h"
#include "support/notice_recorder.h"

namespace zorvik {
namespace {

using testing::FakeEntryField;
using testing::NoticeKind;
using testing::NoticeRecorder;
using testing::TestNotices;

std::optional<double> Parse(const std::string& text, bool showMessages, EmptyEntryCount& empties) {
    return ParseEntry(text, showMessages, empties, TestNotices());
}

std::optional<double> Read(EntryField& field, int kind, bool metric) {
    return ReadEntryField(field, kind, metric, TestNotices());
}

TEST(NumericEntryTest, ParseEntryTrimsBlanks) {
    NoticeRecorder notices;
    EmptyEntryCount empties;
    EXPECT_EQ(Parse("  12.5  ", true, empties), 12.5);
    EXPECT_EQ(Parse("1.5e2", true, empties), 150);
    EXPECT_EQ(Parse("+5", true, empties), 5);
    EXPECT_EQ(notices.Beeps(), 0);
}

TEST(NumericEntryTest, ParseEntryRefusesNegativeAndMalformedText) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {{"-3", "-3 is not valid value"},     {"-0", "-0 is not valid value"},
                 {" 1,5 ", "1,5 is not valid value"}, {"1e999", "1e999 is not valid value"},
                 {"nan", "nan is not valid value"},   {"12 5", "12 5 is not valid value"}};
    for (const auto& c : cases) {
        NoticeRecorder notices;
        notices.Expect(NoticeKind::Warning, c.message);
        EmptyEntryCount empties;
        EXPECT_EQ(Parse(c.text, true, empties), std::nullopt) << c.text;
        EXPECT_EQ(notices.Beeps(), 1) << c.text;
    }
    NoticeRecorder quiet;
    EmptyEntryCount empties;
    EXPECT_EQ(Parse("-3", false, empties), std::nullopt);
    EXPECT_EQ(quiet.Beeps(), 1);
}

// The routine runs on every keystroke: only an empty field that stays empty
// earns a message, on the 4th to 6th empty result in a row.
TEST(NumericEntryTest, EmptyEntriesSpeakOnTheFourthToSixthInARow) {
    NoticeRecorder notices;
    EmptyEntryCount empties;
    std::vector<int> messagesAfter;
    for (int i = 1; i <= 13; ++i) {
        const std::size_t before = notices.Shown().size();
        if (i >= 4 && i <= 6) notices.Expect(NoticeKind::Warning, "Null is not valid value");
        if (i >= 10 && i <= 12) notices.Expect(NoticeKind::Warning, "Null is not valid value");
        EXPECT_EQ(Parse(i % 2 ? "" : "   ", true, empties), std::nullopt);
        if (notices.Shown().size() > before) messagesAfter.push_back(i);
    }
    EXPECT_EQ(messagesAfter, (std::vector<int>{4, 5, 6, 10, 11, 12}));
    EXPECT_EQ(notices.Beeps(), 13);
}

TEST(NumericEntryTest, AnyNonEmptyTextRestartsTheEmptyCount) {
    NoticeRecorder notices;
    EmptyEntryCount empties;
    for (int i = 0; i < 3; ++i) Parse("", true, empties);
    notices.Expect(NoticeKind::Warning, "x is not valid value");
    Parse("x", true, empties);
    EXPECT_EQ(empties.count, 0);
    for (int i = 0; i < 3; ++i) Parse("", true, empties);
    Parse("7", true, empties);
    for (int i = 0; i < 3; ++i) Parse("", true, empties);
    EXPECT_EQ(empties.count, 3);
}

// Each window counts its own empty entries: clearing a field in one never
// brings the message closer in another.
TEST(NumericEntryTest, EveryCountOfEmptyEntriesIsItsOwn) {
    NoticeRecorder notices;
    EmptyEntryCount first;
    EmptyEntryCount second;
    for (int i = 0; i < 3; ++i) {
        Parse("", true, first);
        Parse("", true, second);
    }
    EXPECT_TRUE(notices.Shown().empty());
    notices.Expect(NoticeKind::Warning, "Null is not valid value");
    Parse("", true, first);
    EXPECT_EQ(first.count, 4);
    EXPECT_EQ(second.count, 3);
}

TEST(NumericEntryTest, ReadEntryFieldConvertsMetricEntries) {
    NoticeRecorder notices;
    FakeEntryField pressure("7");
    FakeEntryField flow("100");
    EXPECT_EQ(Read(pressure, PressureEntry, false), 7);
    EXPECT_NEAR(Read(pressure, PressureEntry, true).value(), 101.52639, 0.000005);
    EXPECT_NEAR(Read(flow, FlowEntry, true).value(), 3.5314667, 0.0000005);
    EXPECT_EQ(Read(flow, 7, true), 100);
}

TEST(NumericEntryTest, ReadEntryFieldRefusesBadFields) {
    {
        NoticeRecorder notices;
        FakeEntryField hidden("12", false);
        EXPECT_EQ(Read(hidden, PressureEntry, false), std::nullopt);
        EXPECT_EQ(notices.Beeps(), 0);
        EXPECT_EQ(hidden.FocusRequests(), 0);
    }
    const struct {
        const char* text;
        const char* message;
    } cases[] = {{"   ", "Null is not valid value"},
                 {"", "Null is not valid value"},
                 {" -4 ", "-4 is not valid value"},
                 {"abc", "abc is not valid value"},
                 {"1e308", "1e308 is not valid value"}};  // 1e308 bar overflows as psi
    for (const auto& c : cases) {
        NoticeRecorder notices;
        notices.Expect(NoticeKind::Warning, c.message);
        FakeEntryField field(c.text);
        EXPECT_EQ(Read(field, PressureEntry, true), std::nullopt) << c.text;
        EXPECT_EQ(notices.Beeps(), 1);
        EXPECT_EQ(field.FocusRequests(), 1);
    }
}

// Temperatures take any number, below zero too, in degF or degC, and an
// optional field left empty is no limit rather than a fault.
TEST(NumericEntryTest, TemperatureFieldsInEitherUnit) {
    const struct {
        const char* text;
        bool metric;
        bool optional;
        std::optional<double> celsius;  // nothing: refused with a message
    } cases[] = {
        {"68", false, false, 20.0},         {"-4", false, false, -20.0},    {"20", true, false, 20.0},
        {" -20.5 ", true, true, -20.5},     {"", true, true, std::nullopt}, {"", false, false, std::nullopt},
        {"warm", true, true, std::nullopt},
    };
    for (const auto& c : cases) {
        const bool refused = !c.celsius && !(c.optional && std::string(c.text).empty());
        NoticeRecorder notices{NoticeRecorder::Permissive};
        FakeEntryField field(c.text);
        const TemperatureReading r = ReadTemperatureField(field, c.metric, c.optional, TestNotices());
        EXPECT_EQ(r.valid, !refused) << c.text;
        EXPECT_EQ(notices.Warnings().size(), refused ? 1u : 0u) << c.text;
        EXPECT_EQ(r.celsius.has_value(), c.celsius.has_value()) << c.text;
        EXPECT_NEAR(r.celsius.value_or(0), c.celsius.value_or(0), 1e-12) << c.text;
    }
}

}  // namespace
}  // namespace zorvik
