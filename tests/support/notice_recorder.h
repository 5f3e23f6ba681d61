#pragma once
// Stands in for the message boxes during a test. Every notice must have been
// announced with Expect, in order; anything else fails the test, so no test
// can pass while the program shows a message nobody looked at.

#include <deque>
#include <functional>
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
    NoticeRecorder();   // installs itself
    ~NoticeRecorder();  // puts the previous notices back; unmet expectations fail

    // The next notice must be of this kind with this text; a question is
    // answered with `answer` (true for OK).
    NoticeRecorder& Expect(NoticeKind kind, const std::string& text, bool answer = true);

    // Runs once while the next notice is shown, as the events a modal box's
    // loop delivers (a timer's ticks) would run.
    void WhileNextIsShown(std::function<void()> events) { whileShown_ = std::move(events); }

    int Beeps() const { return beeps_; }
    const std::vector<RecordedNotice>& Shown() const { return shown_; }
    bool AllMet() const { return expected_.empty(); }

    void Beep() override { ++beeps_; }
    void Warning(const std::string& text) override { Take(NoticeKind::Warning, text); }
    void Error(const std::string& text) override { Take(NoticeKind::Error, text); }
    bool Question(const std::string& text) override { return Take(NoticeKind::Question, text); }
    void CancelWarning(const std::string& text) override { Take(NoticeKind::CancelWarning, text); }

private:
    struct Expected {
        NoticeKind kind;
        std::string text;
        bool answer;
    };
    bool Take(NoticeKind kind, const std::string& text);

    Notices* previous_ = nullptr;
    std::deque<Expected> expected_;
    std::vector<RecordedNotice> shown_;
    std::function<void()> whileShown_;
    int beeps_ = 0;
};

}  // namespace zorvik::testing
