#pragma once
// Stands in for the message boxes during a test. A strict recorder fails the
// test on every notice not announced with Expect, in order, so no test can
// pass while the program shows a message nobody looked at. A permissive one,
// for hostile-input tables where which of several messages an input earns
// depends on the input, takes whatever is shown (questions answered OK) and
// keeps it for the test to judge.
//
// Nothing in the program reaches for notices of its own: whatever a test
// makes is handed TestNotices(), which passes every notice to the recorder
// in force. The test mains put a strict recorder around every test; a
// recorder a test makes takes over while it lives.

#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "notices.h"

namespace zorvik::testing {

enum class NoticeKind { Warning, Error, Question, CancelWarning };

struct RecordedNotice {
    NoticeKind kind;
    std::string text;
};

class NoticeRecorder final : public Notices {
public:
    enum Mode { Strict, Permissive };

    explicit NoticeRecorder(Mode mode = Strict);  // takes over TestNotices()
    ~NoticeRecorder() override;                   // hands them back; unmet expectations fail
    NoticeRecorder(const NoticeRecorder&) = delete;
    NoticeRecorder& operator=(const NoticeRecorder&) = delete;

    // The next notice must be of this kind with this text; a question is
    // answered with `answer` (true for OK).
    NoticeRecorder& Expect(NoticeKind kind, const std::string& text, bool answer = true);

    // Runs once while the next notice is shown, as the events a modal box's
    // loop delivers (a timer's ticks) would run.
    void WhileNextIsShown(std::function<void()> events) { whileShown_ = std::move(events); }

    int Beeps() const { return beeps_; }
    const std::vector<RecordedNotice>& Shown() const { return shown_; }
    bool AllMet() const { return expected_.empty(); }

    // The texts shown so far: warning boxes; error boxes and cancel-only
    // warnings; OK/Cancel questions.
    std::vector<std::string> Warnings() const { return Texts({NoticeKind::Warning}); }
    std::vector<std::string> Errors() const { return Texts({NoticeKind::Error, NoticeKind::CancelWarning}); }
    std::vector<std::string> Questions() const { return Texts({NoticeKind::Question}); }
    // Forgets what was shown, for the next row of a table.
    void Clear();

    void Beep() override { ++beeps_; }
    void Warning(const Text& text) override { Take(NoticeKind::Warning, Say(text, translator_)); }
    void Error(const Text& text) override { Take(NoticeKind::Error, Say(text, translator_)); }
    bool Question(const Text& text) override { return Take(NoticeKind::Question, Say(text, translator_)); }
    void CancelWarning(const Text& text) override { Take(NoticeKind::CancelWarning, Say(text, translator_)); }

    // The language recorders say their texts in, as the program's notices
    // would: English unless a test main sets the desktop's translator.
    static void SayTextsWith(const Translator* translator) { translator_ = translator; }

private:
    struct Expected {
        NoticeKind kind;
        std::string text;
        bool answer;
    };
    bool Take(NoticeKind kind, const std::string& text);
    std::vector<std::string> Texts(std::initializer_list<NoticeKind> kinds) const;

    Mode mode_;
    NoticeRecorder* previous_ = nullptr;
    std::deque<Expected> expected_;
    std::vector<RecordedNotice> shown_;
    std::function<void()> whileShown_;
    int beeps_ = 0;
    static inline const Translator* translator_ = nullptr;
};

// The notices to hand to whatever a test makes: each notice goes to the
// recorder in force when it is shown (dropped when there is none).
Notices& TestNotices();

}  // namespace zorvik::testing
