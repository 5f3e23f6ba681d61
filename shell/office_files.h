#pragma once
// The office files in the program's folder, read and written. What their
// bytes mean is decided in core/offices_file.h.

namespace zorvik {

// Replaces the office table by ZorvikAmplifierAddresses.txt when that file
// exists (office 0 chosen unless the file names another). A bad "[IDX" line
// stops the reading with an error message; what was read up to it stays.
void LoadOfficesFile();

// Takes the chosen office from ZCompanyIdx03.dat. Without a readable
// four-byte file the index stays as it is, but never negative (then 1).
void ReadOfficeIndexFile();

// Stores the chosen office in ZCompanyIdx03.dat. The file is written beside
// the old one and only then put in its place, so a crash or a full disk
// leaves the previous file whole. False when it could not be written.
bool SaveOfficeIndexFile();

}  // namespace zorvik
