#pragma once
// Replacing a file so that a crash or a full disk at any moment leaves
// either the old file or the new one whole.

#include <filesystem>
#include <string>

namespace zorvik::job {

// Writes `bytes` to a new file beside `target`, flushes it to the disk,
// copies the present `target` (if any) to `backup` (none when `backup` is
// empty), renames the new file over `target` and flushes the folder. The
// new file keeps the old one's permissions. On failure nothing of `target` has changed, the temporary
// file is gone and `error` says what failed.
bool ReplaceDurably(const std::filesystem::path& target, const std::string& bytes, const std::filesystem::path& backup,
                    std::string& error);

}  // namespace zorvik::job
