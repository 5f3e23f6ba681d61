#pragma once
// The message boxes behind the engineering code's notices.

#include <QString>
#include <string>

#include "notices.h"

namespace zorvik {

// The text a message box shows for one of the program's texts: "\r" becomes
// a line break, and a line too long for the screen - a refused entry quotes
// the whole field, and a field holds thousands of characters when something
// is pasted into it - keeps its start and its end, which says what is wrong,
// with an ellipsis between.
QString MessageBoxText(const std::string& text);

class QtNotices final : public Notices {
public:
    void Beep() override;
    void Warning(const Text& text) override;
    void Error(const Text& text) override;
    bool Question(const Text& text) override;
    void CancelWarning(const Text& text) override;
};

}  // namespace zorvik
