#pragma once
// Notices of the command line: messages go to stderr, line breaks as line
// breaks; questions get the answer chosen on the command line.

#include <cstdio>
#include <string>

#include "notices.h"

namespace zorvik::cli {

class StderrNotices final : public Notices {
public:
    explicit StderrNotices(bool answerQuestions = true) : answer_(answerQuestions) {}
    void Beep() override {}
    void Warning(const Text& text) override { Print(English(text)); }
    void Error(const Text& text) override { Print(English(text)); }
    bool Question(const Text& text) override {
        Print(English(text) + (answer_ ? "\r(answered OK)" : "\r(answered Cancel)"));
        last_ = English(text);
        return answer_;
    }
    void CancelWarning(const Text& text) override { Print(English(text)); }

    // The last message shown (a question without its answer), for commands
    // that also report it in their output.
    const std::string& LastMessage() const { return last_; }

private:
    void Print(const std::string& text) {
        last_ = text;
        std::string shown = text;
        for (char& c : shown)
            if (c == '\r') c = '\n';
        std::fprintf(stderr, "%s\n", shown.c_str());
    }

    bool answer_;
    std::string last_;
};

// An option value stands in for a window's entry field.
using OptionField = TextEntryField;

}  // namespace zorvik::cli
