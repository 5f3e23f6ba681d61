#include "schedule_xlsx.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "durable_write.h"
#include "fixed_format.h"
#include "number_text.h"
#include "xlsx_library.h"

namespace zorvik::job {
namespace {

// A spreadsheet cell holds at most 32767 characters; a longer text is cut
// where the cut shows.
constexpr std::size_t kMaxCellBytes = 32000;
constexpr const char* kCutMark = " [...]";
constexpr double kColumnWidth = 14;
constexpr double kDutyColumnWidth = 60;

std::string CutToCell(const std::string& text) {
    if (text.size() <= kMaxCellBytes) return text;
    std::size_t cut = kMaxCellBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut) + kCutMark;
}

struct Sheet {
    const XlsxLibrary& x;
    lxw_worksheet* sheet;
    lxw_format* bold;
    lxw_row_t row = 0;
    lxw_error status = LXW_NO_ERROR;

    void Text(lxw_col_t column, const std::string& text, lxw_format* format = nullptr) {
        if (status == LXW_NO_ERROR)
            status = x.worksheet_write_string(sheet, row, column, CutToCell(text).c_str(), format);
    }
};

void WriteHeader(Sheet& s, const JobHeader& h) {
    const std::pair<const char*, const std::string*> lines[] = {
        {"Job", &h.name},          {"Customer", &h.customer}, {"Reference", &h.reference},
        {"Engineer", &h.engineer}, {"Revision", &h.revision}, {"Date", &h.date},
    };
    for (const auto& [label, text] : lines) {
        if (text->empty()) continue;
        s.Text(0, label, s.bold);
        s.Text(1, *text);
        ++s.row;
    }
    if (s.row > 0) ++s.row;
}

// The quantity and the duty's columns, known by their headings in any language.
bool Headed(const Text& heading, const char* english) { return heading.Source() == english; }

void WriteSchedule(Sheet& s, const Schedule& schedule, const Translator* translator) {
    for (std::size_t c = 0; c < schedule.headings.size(); ++c) {
        s.Text(static_cast<lxw_col_t>(c), CellText(schedule.headings[c], translator), s.bold);
        s.x.worksheet_set_column(s.sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                 Headed(schedule.headings[c], "Duty") ? kDutyColumnWidth : kColumnWidth, nullptr);
    }
    s.x.worksheet_freeze_panes(s.sheet, s.row + 1, 1);
    for (const auto& cells : schedule.rows) {
        ++s.row;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const std::string text = CellText(cells[c], translator);
            if (Headed(schedule.headings[c], "Qty") && s.status == LXW_NO_ERROR)
                s.status = s.x.worksheet_write_number(s.sheet, s.row, static_cast<lxw_col_t>(c),
                                                      ParseNumber(text).value_or(0), nullptr);
            else
                s.Text(static_cast<lxw_col_t>(c), text);
        }
    }
}

// libxlsxwriter writes the workbook whole at its close; it goes to a
// working file first and then replaces the target like a job file.
std::filesystem::path WorkingFile() {
    return std::filesystem::temp_directory_path() /
           ("zorvik-schedule-" + WholeNumber(std::random_device{}()) + ".xlsx");
}

std::string Bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

bool WriteScheduleXlsx(const std::filesystem::path& file, const Job& job, const Schedule& schedule,
                       const Translator* translator, Text& error) {
    const XlsxLibrary* x = LoadXlsxLibrary(error);
    if (x == nullptr) return false;
    const std::filesystem::path working = WorkingFile();
    lxw_workbook* book = x->workbook_new(working.string().c_str());
    if (book == nullptr) {
        error = Tr("Jobs", "The workbook cannot be made in %1.").With({working.parent_path().string()});
        return false;
    }
    Sheet s{*x, x->workbook_add_worksheet(book, "Schedule"), x->workbook_add_format(book)};
    x->format_set_bold(s.bold);
    WriteHeader(s, job.header);
    WriteSchedule(s, schedule, translator);
    const lxw_error closed = x->workbook_close(book);
    const lxw_error status = s.status != LXW_NO_ERROR ? s.status : closed;
    const bool written = status == LXW_NO_ERROR && WriteOutput(file, Bytes(working), error);
    if (status != LXW_NO_ERROR) error = Tr("Jobs", "The file cannot be written: %1.").With({x->lxw_strerror(status)});
    std::error_code ec;
    std::filesystem::remove(working, ec);
    return written;
}

}  // namespace zorvik::job
