#pragma once
// The words of "zorvik-select job": each takes the job file and the words
// after it and returns the exit status.

#include <string>

#include "commands.h"
#include "job_file.h"

namespace zorvik::cli {

struct JobSubcommand {
    const char* name;
    const char* usage;  // the options after FILE
    int (*run)(const std::string& file, const Words& args, const Translator* reader);
};

int RunJobNew(const std::string& file, const Words& args, const Translator* reader);
int RunJobAdd(const std::string& file, const Words& args, const Translator* reader);
int RunJobShow(const std::string& file, const Words& args, const Translator* reader);
int RunJobCheck(const std::string& file, const Words& args, const Translator* reader);
int RunJobReport(const std::string& file, const Words& args, const Translator* reader);

// What the words share: a usage error or a file's fault on stderr as
// "zorvik-select job WORD: [FILE: ]message", and the file opened or nothing
// (its fault printed).
int JobUsageError(const char* word, const std::string& message);
int JobFileError(const char* word, const std::string& file, const Text& message);
std::optional<job::OpenedJob> OpenJobOrSay(const char* word, const std::string& file);

// "check" exits with this when a figure differs from the one saved.
inline constexpr int ExitFiguresChanged = 1;

}  // namespace zorvik::cli
