#pragma once
// What the program does with jobs as it starts: offers back a job a run
// left behind with unsaved changes, opens the job file named on the
// command line, and carries out the options of the tests that run the
// program itself.

#include <memory>

#include "notices.h"
#include "program_options.h"

namespace zorvik {

struct AppWindows;

// Notices of a run whose questions are answered on the command line: each
// message goes to stderr, and every question gets the same answer.
std::unique_ptr<Notices> AnsweringNotices(bool answer);

void StartJobs(AppWindows& windows, Notices& notices, const ProgramOptions& options);

}  // namespace zorvik
