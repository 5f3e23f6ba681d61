#pragma once
// The spreadsheet writer (libxlsxwriter), loaded when a workbook is first
// written rather than linked: a linked library is mapped at every start of
// every program that links it, and it brings its zip and crypto libraries
// along, while most runs never write a workbook.

#include <xlsxwriter.h>

#include <string>

#include "text.h"

namespace zorvik::job {

// The library's functions the schedule workbook uses.
struct XlsxLibrary {
    decltype(&::workbook_new) workbook_new;
    decltype(&::workbook_add_worksheet) workbook_add_worksheet;
    decltype(&::workbook_add_format) workbook_add_format;
    decltype(&::workbook_close) workbook_close;
    decltype(&::format_set_bold) format_set_bold;
    decltype(&::worksheet_write_string) worksheet_write_string;
    decltype(&::worksheet_write_number) worksheet_write_number;
    decltype(&::worksheet_set_column) worksheet_set_column;
    decltype(&::worksheet_freeze_panes) worksheet_freeze_panes;
    decltype(&::lxw_strerror) lxw_strerror;
};

// The installed library's file name, as its package names it.
extern const char* const XlsxLibraryFile;

// Loads `file` once and for all (later calls return what the first found);
// nullptr, with a sentence saying why, when it is not installed or lacks a
// function.
const XlsxLibrary* LoadXlsxLibrary(Text& error, const char* file = XlsxLibraryFile);

}  // namespace zorvik::job
