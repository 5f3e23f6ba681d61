#pragma once
// The office files, read and written, into and out of a session's office
// table. What their bytes mean is decided in engine/offices_file.h; where
// they are is decided in platform/user_files.h.

#include <QString>

#include "notices.h"
#include "session.h"

namespace zorvik {

// Replaces the office table by ZorvikAmplifierAddresses.txt, the first one
// found in the configuration folders (office 0 chosen unless the file names
// another). A bad "[IDX" line stops the reading with an error message; what
// was read up to it stays.
void LoadOfficesFile(Session& session, Notices& notices);

// Takes the chosen office from ZCompanyIdx03.dat in the user's configuration
// folder or, while the user has none, from the one beside the program.
// Without a readable four-byte file the index stays as it is, but never
// negative (then 1).
void ReadOfficeIndexFile(Session& session);

// Where SaveOfficeIndexFile writes: the user's configuration folder.
QString OfficeIndexSavePath();

// Stores the chosen office in ZCompanyIdx03.dat there, never beside the
// program. The file is written beside the old one and only then put in its
// place, so a crash or a full disk leaves the previous file whole. False
// when it could not be written.
bool SaveOfficeIndexFile(const Session& session);

}  // namespace zorvik
