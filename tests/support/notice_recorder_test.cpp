// The notice recorders the tests rely on: a strict one fails every notice
// nobody announced, whether the test main put it there or a test did; a
// permissive one keeps whatever it is shown.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "support/notice_recorder.h"

namespace zorvik::testing {
namespace {

TEST(NoticeRecorderTest, TheTestMainFailsAMessageNobodyExpected) {
    EXPECT_NONFATAL_FAILURE(TestNotices().Warning("not looked at"), "unexpected warning: \"not looked at\"");
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(TestNotices().Question("sure?")), "unexpected question");
}

TEST(NoticeRecorderTest, ATestsRecorderTakesOverWhileItLives) {
    {
        NoticeRecorder mine{NoticeRecorder::Permissive};
        TestNotices().Error("kept");
        EXPECT_EQ(mine.Errors(), std::vector<std::string>{"kept"});
    }
    EXPECT_NONFATAL_FAILURE(TestNotices().Error("after"), "unexpected error: \"after\"");
}

TEST(NoticeRecorderTest, StrictFailsWhatDiffersFromTheExpected) {
    const struct {
        const char* what;
        NoticeKind shownKind;
        const char* shownText;
        const char* failure;
    } cases[] = {
        {"another kind", NoticeKind::CancelWarning, "Too high", "cancel-only warning"},
        {"another text", NoticeKind::Warning, "Too low", "Too low"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        NoticeRecorder notices;
        notices.Expect(NoticeKind::Warning, "Too high");
        EXPECT_NONFATAL_FAILURE(c.shownKind == NoticeKind::Warning ? TestNotices().Warning(c.shownText)
                                                                   : TestNotices().CancelWarning(c.shownText),
                                c.failure);
    }
    EXPECT_NONFATAL_FAILURE(NoticeRecorder().Expect(NoticeKind::Error, "Missing"),
                            "expected error \"Missing\" was never shown");
}

TEST(NoticeRecorderTest, StrictAnswersQuestionsAsAnnounced) {
    NoticeRecorder notices;
    notices.Expect(NoticeKind::Question, "Go on?", false).Expect(NoticeKind::Question, "Really?");
    EXPECT_FALSE(TestNotices().Question("Go on?"));
    EXPECT_TRUE(TestNotices().Question("Really?"));
    EXPECT_TRUE(notices.AllMet());
}

TEST(NoticeRecorderTest, PermissiveKeepsEverythingUntilCleared) {
    NoticeRecorder notices{NoticeRecorder::Permissive};
    Notices& shown = TestNotices();
    shown.Beep();
    shown.Warning("w");
    shown.Error("e");
    shown.CancelWarning("c");
    EXPECT_TRUE(shown.Question("q"));
    EXPECT_EQ(notices.Beeps(), 1);
    EXPECT_EQ(notices.Warnings(), std::vector<std::string>{"w"});
    EXPECT_EQ(notices.Errors(), (std::vector<std::string>{"e", "c"}));
    EXPECT_EQ(notices.Questions(), std::vector<std::string>{"q"});
    notices.Clear();
    EXPECT_EQ(notices.Beeps(), 0);
    EXPECT_TRUE(notices.Shown().empty());
}

}  // namespace
}  // namespace zorvik::testing
