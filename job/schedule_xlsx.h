#pragma once
// The job's schedule as an Excel workbook (libxlsxwriter, loaded when the
// first workbook is written): the header lines, then the schedule's headings
// in bold and a row per item, every cell text (so nothing runs as a formula)
// except the quantity.

#include <filesystem>

#include "job.h"
#include "schedule.h"

namespace zorvik::job {

// Replaces `file` as the job files are replaced (a crash leaves the old
// one or the new one); false and why when it cannot, the library missing
// too. The schedule's texts are written in the translator's language.
bool WriteScheduleXlsx(const std::filesystem::path& file, const Job& job, const Schedule& schedule,
                       const Translator* translator, Text& error);

}  // namespace zorvik::job
