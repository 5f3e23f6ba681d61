#pragma once
// The office files, read and written. What their bytes mean is decided in
// core/offices_file.h; where they are is decided in platform/user_files.h.

#include <QString>

namespace zorvik {

// Replaces the office table by ZorvikAmplifierAddresses.txt, the first one
// found in the configuration folders (office 0 chosen unless the file names
// another). A bad "[IDX" line stops the reading with an error message; what
// was read up to it stays.
void LoadOfficesFile();

// Takes the chosen office from ZCompanyIdx03.dat in the user's configuration
// folder or, while the user has none, from the one beside the program.
// Without a readable four-byte file the index stays as it is, but never
// negative (then 1).
void ReadOfficeIndexFile();

// Where SaveOfficeIndexFile writes: the user's configuration folder.
QString OfficeIndexSavePath();

// Stores the chosen office in ZCompanyIdx03.dat there, never beside the
// program. The file is written beside the old one and only then put in its
// place, so a crash or a full disk leaves the previous file whole. False
// when it could not be written.
bool SaveOfficeIndexFile();

}  // namespace zorvik
