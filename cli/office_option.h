#pragma once
// --office N of the commands that print a page: the office the page names
// (its company, telephone and fax), from the program's own office table.

#include <optional>
#include <string>

#include "arguments.h"
#include "office_table.h"

namespace zorvik::cli {

// Entry N of the office table, counted from 1 in the order the program's
// introduction window lists the regions; without --office the office the
// program names until a user chooses one. Nothing, with the error, for a
// number that names no office.
std::optional<TAddressData> ReadOfficeOption(const Arguments& parsed, std::string& error);

// The regions with their numbers, the default marked, wrapped for --help
// under an option's description ("1 U.S.A., 2 UK. (the default), ...").
std::string OfficeListHelp(const char* indent);

}  // namespace zorvik::cli
