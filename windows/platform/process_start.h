#pragma once
// Starting another program.

#include <QString>

namespace zorvik {

// Starts the program file at `absolutePath` as a process of its own, with no
// arguments, and does not wait for it. A relative path is refused rather
// than looked up on the search path, so only the file meant is ever run.
// False when the program could not be started.
bool StartProgram(const QString& absolutePath);

}  // namespace zorvik
