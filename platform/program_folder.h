#pragma once
// The folder of the program's own file: where the office files live and
// where the screen program is found. Tests point it at a temporary folder so
// nothing is ever written beside a test binary.

#include <QString>

namespace zorvik {

// The program's folder, without a trailing separator.
QString ProgramFolder();

// `name` in the program's folder.
QString ProgramFile(const QString& name);

// Uses `folder` instead of the program's own folder from now on; an empty
// folder goes back to the real one.
void SetProgramFolder(const QString& folder);

}  // namespace zorvik
