#pragma once
// An entry field without a window, for tests of the code that reads fields.

#include <string>
#include <utility>

#include "notices.h"

namespace zorvik::testing {

class FakeEntryField final : public EntryField {
public:
    explicit FakeEntryField(std::string text = "", bool showing = true, NumberStyle style = {})
        : text_(std::move(text)), showing_(showing), style_(std::move(style)) {}
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override { text_ = text; }
    bool IsShowing() const override { return showing_; }
    void SetFocus() override { ++focusRequests_; }
    NumberStyle Style() const override { return style_; }

    void SetShowing(bool showing) { showing_ = showing; }
    int FocusRequests() const { return focusRequests_; }

private:
    std::string text_;
    bool showing_;
    NumberStyle style_;
    int focusRequests_ = 0;
};

}  // namespace zorvik::testing
