#include <gtest/gtest.h>

#include <string>

#include "numeric_entry.h"
#include "shared_state.h"
#include "support/fake_entry_field.h"
#include "support/notice_recorder.h"

namespace zorvik {
namespace {

using testing::FakeEntryField;
using testing::NoticeKind;
using testing::NoticeRecorder;

class NumericEntryTest : public ::testing::Test {
protected:
    void SetUp() override { InitialiseSharedState(); }
};

TEST_F(NumericEntryTest, ParseEntryTrimsBlanks) {
    NoticeRecorder notices;
    EXPECT_DOUBLE_EQ(ParseEntry("  12.5  ", true), 12.5);
    EXPECT_TRUE(Shared.EntryValid);
    EXPECT_DOUBLE_EQ(ParseEntry("1.5e2", true), 150);
    EXPECT_DOUBLE_EQ(ParseEntry("+5", true), 5);
    EXPECT_EQ(notices.Beeps(), 0);
}

TEST_F(NumericEntryTest, ParseEntryRefusesNegativeAndMalformedText) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {{"-3", "-3 is not valid value"},     {"-0", "-0 is not valid value"},
                 {" 1,5 ", "1,5 is not valid value"}, {"1e999", "1e999 is not valid value"},
                 {"nan", "nan is not valid value"},   {"12 5", "12 5 is not valid value"}};
    for (const auto& c : cases) {
        NoticeRecorder notices;
        notices.Expect(NoticeKind::Warning, c.message);
        EXPECT_DOUBLE_EQ(ParseEntry(c.text, true), 0) << c.text;
        EXPECT_FALSE(Shared.EntryValid) << c.text;
        EXPECT_EQ(notices.Beeps(), 1) << c.text;
    }
    NoticeRecorder quiet;
    EXPECT_DOUBLE_EQ(ParseEntry("-3", false), 0);
    EXPECT_EQ(quiet.Beeps(), 1);
}

// The routine runs on every keystroke: only an empty field that stays empty
// earns a message, on the 4th to 6th empty result in a row.
TEST_F(NumericEntryTest, EmptyEntriesSpeakOnTheFourthToSixthInARow) {
    NoticeRecorder notices;
    std::vector<int> messagesAfter;
    for (int i = 1; i <= 13; ++i) {
        const std::size_t before = notices.Shown().size();
        if (i >= 4 && i <= 6) notices.Expect(NoticeKind::Warning, "Null is not valid value");
        if (i >= 10 && i <= 12) notices.Expect(NoticeKind::Warning, "Null is not valid value");
        EXPECT_DOUBLE_EQ(ParseEntry(i % 2 ? "" : "   ", true), 0);
        EXPECT_FALSE(Shared.EntryValid);
        if (notices.Shown().size() > before) messagesAfter.push_back(i);
    }
    EXPECT_EQ(messagesAfter, (std::vector<int>{4, 5, 6, 10, 11, 12}));
    EXPECT_EQ(notices.Beeps(), 13);
}

TEST_F(NumericEntryTest, AnyNonEmptyTextRestartsTheEmptyCount) {
    NoticeRecorder notices;
    for (int i = 0; i < 3; ++i) ParseEntry("", true);
    notices.Expect(NoticeKind::Warning, "x is not valid value");
    ParseEntry("x", true);
    EXPECT_EQ(Shared.EntryErrorCount, 0);
    for (int i = 0; i < 3; ++i) ParseEntry("", true);
    ParseEntry("7", true);
    for (int i = 0; i < 3; ++i) ParseEntry("", true);
    EXPECT_EQ(Shared.EntryErrorCount, 3);
}

TEST_F(NumericEntryTest, ReadEntryFieldConvertsMetricEntries) {
    NoticeRecorder notices;
    FakeEntryField pressure("7");
    FakeEntryField flow("100");
    EXPECT_DOUBLE_EQ(ReadEntryField(pressure, PressureEntry), 7);
    Shared.MetricUnits = true;
    EXPECT_NEAR(ReadEntryField(pressure, PressureEntry), 101.52639, 0.000005);
    EXPECT_NEAR(ReadEntryField(flow, FlowEntry), 3.5314667, 0.0000005);
    EXPECT_DOUBLE_EQ(ReadEntryField(flow, 7), 100);
    EXPECT_TRUE(Shared.EntryValid);
}

TEST_F(NumericEntryTest, ReadEntryFieldRefusesBadFields) {
    {
        NoticeRecorder notices;
        FakeEntryField hidden("12", false);
        EXPECT_DOUBLE_EQ(ReadEntryField(hidden, PressureEntry), 0);
        EXPECT_FALSE(Shared.EntryValid);
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
                 {"1e308", "1e308 is not valid value"}};
    Shared.MetricUnits = true;  // 1e308 bar overflows as psi
    for (const auto& c : cases) {
        NoticeRecorder notices;
        notices.Expect(NoticeKind::Warning, c.message);
        FakeEntryField field(c.text);
        EXPECT_DOUBLE_EQ(ReadEntryField(field, PressureEntry), 0) << c.text;
        EXPECT_FALSE(Shared.EntryValid);
        EXPECT_EQ(notices.Beeps(), 1);
        EXPECT_EQ(field.FocusRequests(), 1);
    }
}

}  // namespace
}  // namespace zorvik
