#pragma once
// The folder of the program's own file: where an older installation left its
// office files and where the screen program is found. Tests point it at a temporary folder so
// nothing is ever written beside a test binary.

#include <QString>

namespace zorvik {

// The program's folder, without a trailing separator.
QString ProgramFolder();

// `name` in the program's folder.
QString ProgramFile(const QString& name);

// The helper program `name`: beside the program when it is there, else in
// the helper folder of an installation (libexec/zorvik-amplifiers beside
// bin/). Never looked up on the search path. Where neither holds it, the
// path beside the program, for the message that it is missing.
QString HelperProgramFile(const QString& name);

// Uses `folder` instead of the program's own folder from now on; an empty
// folder goes back to the real one.
void SetProgramFolder(const QString& folder);

}  // namespace zorvik
