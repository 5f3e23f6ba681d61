#pragma once
// How the engineering code speaks to the user without knowing about windows.
// Whoever calls it hands it the notices to speak through: the program's
// windows get the message-box version, tests a recorder that fails on any
// message it was not told to expect, the command line one that writes to
// stderr.
//
// Texts come as the engine makes them (text.h): each implementation says
// them in its reader's language - the desktop's in the windows, English on
// the command line. "\r" inside a text is a line break.

#include <string>
#include <utility>

#include "number_style.h"
#include "text.h"

namespace zorvik {

class Notices {
public:
    virtual ~Notices() = default;
    // The system's exclamation sound.
    virtual void Beep() = 0;
    // A modal warning box with one OK button.
    virtual void Warning(const Text& text) = 0;
    // A modal error box with one OK button.
    virtual void Error(const Text& text) = 0;
    // A modal warning box with OK and Cancel; true for OK.
    virtual bool Question(const Text& text) = 0;
    // A modal warning box with the single button Cancel.
    virtual void CancelWarning(const Text& text) = 0;
};

// Notices nobody is shown: for callers that only want the figures.
class SilentNotices final : public Notices {
public:
    void Beep() override {}
    void Warning(const Text&) override {}
    void Error(const Text&) override {}
    bool Question(const Text&) override { return false; }
    void CancelWarning(const Text&) override {}
};

// The small interface through which the engineering code reads an entry
// field of a window.
class EntryField {
public:
    virtual ~EntryField() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    // False while the field is hidden by the current layout.
    virtual bool IsShowing() const = 0;
    virtual void SetFocus() = 0;
    // How the user writes numbers into it; by default "." numbers only.
    virtual NumberStyle Style() const { return {}; }
};

// A field that is only a text, always showing: what callers without windows
// (the command line's option values, benchmarks) hand to the entry routines.
class TextEntryField final : public EntryField {
public:
    explicit TextEntryField(std::string text = "") : text_(std::move(text)) {}
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override { text_ = text; }
    bool IsShowing() const override { return true; }
    void SetFocus() override {}

private:
    std::string text_;
};

}  // namespace zorvik
