#pragma once
// Numbers as the user's system writes them, for everything a person reads:
// windows, printed pages, pictures, the clipboard. Read from Qt's default
// locale, which the application object takes from the desktop (and a test
// may set); the C library's locale plays no part. Files and machine output
// keep "." on every system.

#include <QString>
#include <string>

#include "text.h"

namespace zorvik {

// The system's decimal separator as a single character; "." when the
// system's is not a single ASCII character.
char SystemDecimalSeparator();

// A text whose numbers are written with "." (the engine's figures, a
// table's cells), shown with the system's separator; model names and dates
// keep their points (WithDecimalSeparator).
QString SystemNumberText(const std::string& text);

// A text of the engine as the windows show it: in the desktop's language
// (texts::DesktopTranslator), and the same with the system's separator.
QString DesktopText(const Text& text);
QString DesktopFigures(const Text& text);

}  // namespace zorvik
