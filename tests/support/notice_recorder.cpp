#include "support/notice_recorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace zorvik::testing {
namespace {

const char* NameOf(NoticeKind kind) {
    switch (kind) {
        case NoticeKind::Warning:
            return "warning";
        case NoticeKind::Error:
            return "error";
        case NoticeKind::Question:
            return "question";
        case NoticeKind::CancelWarning:
            return "cancel-only warning";
    }
    return "?";
}

// The innermost recorder alive.
NoticeRecorder* inForce = nullptr;

class ForwardingNotices final : public Notices {
public:
    void Beep() override { Target().Beep(); }
    void Warning(const Text& text) override { Target().Warning(text); }
    void Error(const Text& text) override { Target().Error(text); }
    bool Question(const Text& text) override { return Target().Question(text); }
    void CancelWarning(const Text& text) override { Target().CancelWarning(text); }

private:
    Notices& Target() {
        static SilentNotices none;
        return inForce != nullptr ? static_cast<Notices&>(*inForce) : none;
    }
};

}  // namespace

Notices& TestNotices() {
    static ForwardingNotices forwarding;
    return forwarding;
}

NoticeRecorder::NoticeRecorder(Mode mode) : mode_(mode), previous_(std::exchange(inForce, this)) {}

NoticeRecorder::~NoticeRecorder() {
    inForce = previous_;
    for (const Expected& e : expected_)
        ADD_FAILURE() << "expected " << NameOf(e.kind) << " \"" << e.text << "\" was never shown";
}

NoticeRecorder& NoticeRecorder::Expect(NoticeKind kind, const std::string& text, bool answer) {
    expected_.push_back({kind, text, answer});
    return *this;
}

bool NoticeRecorder::Take(NoticeKind kind, const std::string& text) {
    shown_.push_back({kind, text});
    if (whileShown_) std::exchange(whileShown_, nullptr)();
    if (mode_ == Permissive) return true;
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected " << NameOf(kind) << ": \"" << text << "\"";
        return false;
    }
    const Expected e = expected_.front();
    expected_.pop_front();
    EXPECT_EQ(NameOf(e.kind), std::string(NameOf(kind))) << "for \"" << text << "\"";
    EXPECT_EQ(e.text, text);
    return e.answer;
}

void NoticeRecorder::Clear() {
    shown_.clear();
    beeps_ = 0;
}

std::vector<std::string> NoticeRecorder::Texts(std::initializer_list<NoticeKind> kinds) const {
    std::vector<std::string> texts;
    for (const RecordedNotice& n : shown_)
        if (std::find(kinds.begin(), kinds.end(), n.kind) != kinds.end()) texts.push_back(n.text);
    return texts;
}

}  // namespace zorvik::testing
