#include "notices.h"

namespace zorvik {
namespace {

class SilentNotices final : public Notices {
public:
    void Beep() override {}
    void Warning(const std::string&) override {}
    void Error(const std::string&) override {}
    bool Question(const std::string&) override { return false; }
    void CancelWarning(const std::string&) override {}
};

SilentNotices silent;
Notices* current = &silent;

}  // namespace

Notices& CurrentNotices() { return *current; }

Notices* InstallNotices(Notices* notices) {
    Notices* previous = current == &silent ? nullptr : current;
    current = notices != nullptr ? notices : &silent;
    return previous;
}

}  // namespace zorvik
