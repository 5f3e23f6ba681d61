#pragma once
// A job as one document for the customer: a cover with the job's header and
// the office's contact lines, the schedule of items, then for each item its
// duty as typed, the comparison of all fifteen models at that duty with
// why each other one is not listed, and for the chosen model its
// performance chart with the duty point, its outline drawing and its rated
// data. Every page carries the job's name and revision and "Page n of N".
// Vectors throughout, drawn by the code the windows print with; Qt Gui
// only, so the command line writes it without windows.

#include <QString>
#include <filesystem>
#include <functional>

#include "job.h"
#include "office_table.h"

class QPagedPaintDevice;

namespace zorvik {

// The office whose contact lines a job's pages carry: the one whose region
// name the job gives, else `chosen` (also when no office has that name).
const TAddressData& JobOffice(const job::JobHeader& header, const OfficeTable& offices, const TAddressData& chosen);

// Told before each page is drawn (pages done, pages in all); false stops
// the document there.
using PageProgress = std::function<bool(int done, int count)>;

// The submittal on `device`, a PDF writer or a printer, page after page;
// `dpi` is the device's resolution. False when the device cannot be started
// or cannot take a page, or when `progress` stops it.
bool DrawSubmittal(QPagedPaintDevice& device, int dpi, const job::Job& job, const TAddressData& office,
                   const Translator* reader, const PageProgress& progress = {});

// The submittal as a PDF file with its title, author (the job's engineer)
// and subject. The file is replaced only when the whole document is made;
// false, with the reason in `error`, when it cannot be written or when
// `progress` stops it. Texts and numbers as `reader` writes them.
bool WriteSubmittalPdf(const std::filesystem::path& file, const job::Job& job, const TAddressData& office,
                       const Translator* reader, QString& error, const PageProgress& progress = {});

}  // namespace zorvik
