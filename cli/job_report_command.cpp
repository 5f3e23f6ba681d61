// job report: the job as a document to send - the submittal as PDF, drawn
// offscreen by the pictures the windows print with - or its schedule as CSV
// or an Excel workbook. Every figure is computed now from the duties.

#include <QString>

#include "arguments.h"
#include "durable_write.h"
#include "item_figures.h"
#include "job_output.h"
#include "job_subcommands.h"
#include "schedule_xlsx.h"
#include "offscreen_application.h"
#include "output.h"
#include "schedule.h"
#include "session.h"
#include "submittal.h"

namespace zorvik::cli {
namespace {

// The command line reads no office files: the pages carry the job's office
// among the built-in ones, else the one the program starts with.
bool WriteSubmittal(const std::string& out, const job::Job& job, const Translator* reader, Text& error) {
    const OffscreenApplication app;
    const Session session;
    const TAddressData& office = JobOffice(job.header, session.Offices, session.Office());
    QString reason;
    if (WriteSubmittalPdf(out, job, office, reader, reason)) return true;
    error = reason.toStdString();
    return false;
}

}  // namespace

int RunJobReport(const std::string& file, const Words& args, const Translator* reader) {
    std::string usage;
    const auto parsed = ParseArguments(args, {{"out", true}}, usage);
    if (!parsed) return JobUsageError("report", usage);
    const std::string out = parsed->Value("out");
    const std::string extension = LowerExtension(out);
    if (extension != ".pdf" && extension != ".csv" && extension != ".xlsx")
        return JobUsageError("report", "--out must name a .pdf, .csv or .xlsx file");
    const auto opened = OpenJobOrSay("report", file);
    if (!opened) return ExitFailed;
    const job::Job& job = *opened->job;
    // The submittal and the schedule are documents for people: they follow
    // --language.
    Text error;
    bool written = false;
    if (extension == ".pdf") {
        written = WriteSubmittal(out, job, reader, error);
    } else {
        const job::Schedule schedule = job::JobSchedule(job, job::ComputeJob(job));
        written = extension == ".xlsx" ? job::WriteScheduleXlsx(out, job, schedule, reader, error)
                                       : job::WriteOutput(out, ScheduleCsv(schedule, reader), error);
    }
    return written ? ExitOk : JobFileError("report", out, error);
}

}  // namespace zorvik::cli
