#pragma once
// Notices for hostile-input tables: they accept whatever is shown and keep
// it for the test to judge, since which of several messages a hostile input
// earns depends on the input. Questions are answered OK.

#include <string>
#include <vector>

#include "notices.h"

namespace zorvik::testing {

class AnyNotices final : public Notices {
public:
    AnyNotices() : previous_(InstallNotices(this)) {}
    ~AnyNotices() override { InstallNotices(previous_); }
    AnyNotices(const AnyNotices&) = delete;
    AnyNotices& operator=(const AnyNotices&) = delete;

    void Beep() override { ++beeps; }
    void Warning(const std::string& text) override { warnings.push_back(text); }
    void Error(const std::string& text) override { errors.push_back(text); }
    bool Question(const std::string& text) override {
        questions.push_back(text);
        return true;
    }
    void CancelWarning(const std::string& text) override { errors.push_back(text); }

    void Clear() {
        beeps = 0;
        warnings.clear();
        errors.clear();
        questions.clear();
    }

    int beeps = 0;
    std::vector<std::string> warnings;   // warning boxes
    std::vector<std::string> errors;     // error boxes and cancel-only warnings
    std::vector<std::string> questions;  // OK/Cancel questions

private:
    Notices* previous_;
};

}  // namespace zorvik::testing
