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
#include "reader_texts.h"
#include "schedule.h"
#include "session.h"
#include "submittal.h"

namespace zorvik::cli {
namespace {

// The command line reads no office files: the pages carry the job's office
// among the built-in ones, else the one the program starts with.
bool WriteSubmittal(const std::string& out, const job::Job& job, std::string& error) {
    const OffscreenApplication app;
    const Session session;
    const TAddressData& office = JobOffice(job.header, session.Offices, session.Office());
    QString reason;
    if (WriteSubmittalPdf(out, job, office, reason)) return true;
    error = reason.toStdString();
    return false;
}

}  // namespace

int RunJobReport(const std::string& file, const Words& args) {
    std::string error;
    const auto parsed = ParseArguments(args, {{"out", true}}, error);
    if (!parsed) return JobUsageError("report", error);
    const std::string out = parsed->Value("out");
    const std::string extension = LowerExtension(out);
    if (extension != ".pdf" && extension != ".csv" && extension != ".xlsx")
        return JobUsageError("report", "--out must name a .pdf, .csv or .xlsx file");
    const auto opened = OpenJobOrSay("report", file);
    if (!opened) return ExitFailed;
    const job::Job& job = *opened->job;
    // The submittal and the schedule are documents for people: they follow
    // --language.
    const ReaderTexts texts;
    bool written = false;
    if (extension == ".pdf") {
        written = WriteSubmittal(out, job, error);
    } else {
        const job::Schedule schedule = job::JobSchedule(job, job::ComputeJob(job));
        written = extension == ".xlsx" ? job::WriteScheduleXlsx(out, job, schedule, error)
                                       : job::WriteOutput(out, ScheduleCsv(schedule), error);
    }
    return written ? ExitOk : JobFileError("report", out, error);
}

}  // namespace zorvik::cli
