#pragma once
// The text of a job file: JSON in UTF-8 with "format": "zorvik-job" and
// "version": 1, laid out in doc/job-format.md. Writing puts down what the
// job holds, saved figures included; reading refuses any file it cannot
// take whole and says why, so a bad file opens nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "job.h"

namespace zorvik::job {

inline constexpr const char* JobFormatName = "zorvik-job";
inline constexpr int JobFormatVersion = 1;
inline constexpr std::uintmax_t MaxJobFileBytes = 16 * 1024 * 1024;

// Two-space indents, a line end at the end; a job so large that the indents
// would take it over `limit` is written without them, so any job that was
// read can be saved again. Throws nlohmann::json's type_error when a text of
// the job is not UTF-8 (the save reports it).
std::string JobFileText(const Job& job, std::uintmax_t limit = MaxJobFileBytes);

struct JobParse {
    std::optional<Job> job;
    Text error;  // a sentence naming the place and the fault, when there is no job
};

// The bytes of a file, checked for UTF-8 first. Model numbers outside the
// range, unknown keys and values of the wrong kind refuse the file; a duty
// text the window would refuse is taken as it stands (the item's figures
// say why it cannot be computed).
JobParse ParseJobText(std::string_view bytes);

}  // namespace zorvik::job
