// What the words of "zorvik-select job" share: how they report a usage
// error or a file's fault, and opening the job file.

#include <cstdio>

#include "arguments.h"
#include "job_subcommands.h"

namespace zorvik::cli {

int JobUsageError(const char* word, const std::string& message) {
    std::fprintf(stderr, "zorvik-select job%s%s: %s\n", *word != '\0' ? " " : "", word, message.c_str());
    return ExitFailed;
}

int JobFileError(const char* word, const std::string& file, const Text& message) {
    return JobUsageError(word, file + ": " + English(message));
}

std::optional<job::OpenedJob> OpenJobOrSay(const char* word, const std::string& file) {
    job::OpenedJob opened = job::OpenJobFile(file);
    if (opened.job) return opened;
    JobFileError(word, file, opened.error);
    return std::nullopt;
}

}  // namespace zorvik::cli
