#pragma once
// Replacing a file so that a crash or a full disk at any moment leaves
// either the old file or the new one whole, and never writes through a
// link that stands where the file or its backup goes.

#include <filesystem>
#include <string>

#include "text.h"

namespace zorvik::job {

// Writes `bytes` to a new file beside `target`, flushes it to the disk,
// keeps the present `target` (if any) as `backup` (none when `backup` is
// empty) by writing a new file and renaming it there, renames the new file
// over `target` and flushes the folder. The new file keeps the old one's
// permissions, owner and group (as far as the user may set them). A target
// the user may not write is refused. On failure nothing of `target` or
// `backup` has changed, the temporary files are gone and `error` says what
// failed.
bool ReplaceDurably(const std::filesystem::path& target, const std::string& bytes, const std::filesystem::path& backup,
                    Text& error);

// Writes `bytes` as a file that must not exist yet: the new file is linked
// into place only while the name is free, so of two programs making the
// same file at once one fails. The same guarantees as above.
bool CreateDurably(const std::filesystem::path& target, const std::string& bytes, Text& error);

// An output file the user named (a page, a picture, a schedule): written as
// ReplaceDurably writes, without a backup. A name that stands for something
// other than a regular file (a device, a pipe, a folder) is refused, never
// renamed over.
bool WriteOutput(const std::filesystem::path& target, const std::string& bytes, Text& error);

// Whether this user may replace the file (true when there is none).
bool MayWrite(const std::filesystem::path& file);

// Removes the temporary files that saves of `target` interrupted by a
// crash left beside it. Only for a caller that holds the file's lock.
void RemoveStaleTemporaries(const std::filesystem::path& target);

}  // namespace zorvik::job
