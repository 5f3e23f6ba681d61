#pragma once
// What the fuzz checks share: a failed property throws CheckFailed, which
// libFuzzer takes for a crash (it keeps the input) and the replay test
// reports with the name of the input file; and notices that are counted
// instead of shown.

#include <stdexcept>
#include <string>
#include <vector>

#include "notices.h"

namespace zorvik::fuzz {

struct CheckFailed : std::logic_error {
    using std::logic_error::logic_error;
};

[[noreturn]] void Fail(const std::string& what);

// The message is only built when the property does not hold.
#define ZORVIK_REQUIRE(condition, what)               \
    do {                                              \
        if (!(condition)) ::zorvik::fuzz::Fail(what); \
    } while (false)

// Remembers every notice it is handed; questions are answered OK.
class CountingNotices final : public Notices {
public:
    void Beep() override { ++beeps; }
    void Warning(const Text& text) override { warnings.push_back(English(text)); }
    void Error(const Text& text) override { errors.push_back(English(text)); }
    bool Question(const Text& text) override {
        questions.push_back(English(text));
        return true;
    }
    void CancelWarning(const Text& text) override { errors.push_back(English(text)); }

    int beeps = 0;
    std::vector<std::string> warnings;
    std::vector<std::string> errors;
    std::vector<std::string> questions;
};

}  // namespace zorvik::fuzz
