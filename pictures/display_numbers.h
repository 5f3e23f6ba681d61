#pragma once
// Numbers as the user's system writes them, for everything a person reads:
// windows, printed pages, pictures, the clipboard. Read from Qt's default
// locale, which the application object takes from the desktop (and a test
// may set); the C library's locale plays no part. Files and machine output
// keep "." on every system.

#include <QString>
#include <string>

namespace zorvik {

// The system's decimal separator as a single character; "." when the
// system's is not a single ASCII character.
char SystemDecimalSeparator();

// A text whose numbers are written with "." (the engine's figures, a
// table's cells), shown with the system's separator; model names and dates
// keep their points (WithDecimalSeparator).
QString SystemNumberText(const std::string& text);

}  // namespace zorvik
