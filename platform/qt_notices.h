#pragma once
// The message boxes behind the engineering code's notices.

#include "core/notices.h"

namespace zorvik {

class QtNotices final : public Notices {
public:
    void Beep() override;
    void Warning(const std::string& text) override;
    void Error(const std::string& text) override;
    bool Question(const std::string& text) override;
    void CancelWarning(const std::string& text) override;
};

}  // namespace zorvik
