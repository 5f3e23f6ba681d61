#pragma once
// A text whose figures are written with "." as a window, page or picture
// shows it on the desktop the test runs on: "6.9 barg" on an English one,
// "6,9 barg" on a German one; model names and units keep their points.

#include <QString>
#include <string>

#include "display_numbers.h"

namespace zorvik::testing {

inline QString Shown(const std::string& text) { return SystemNumberText(text); }
inline QString Shown(const char* text) { return SystemNumberText(text); }
inline QString Shown(const QString& text) { return SystemNumberText(text.toStdString()); }

}  // namespace zorvik::testing
