#pragma once
// The two small files in the program's folder that concern the offices:
//
//  - ZorvikAmplifierAddresses.txt (optional) replaces the built-in office
//    table. One item per line: "[IDXk]" chooses office k (1-based) as the
//    default; "[Region]" starts the next entry, whose next seven lines are
//    fields 1-7 (company, four address lines, telephone, fax). Lines are
//    taken as they are: no trimming, no comments.
//  - ZCompanyIdx03.dat holds the chosen office: one 32-bit little-endian
//    signed integer, 0-based.
//
// Only the reading and writing of bytes happens elsewhere; what the bytes
// mean is decided here, without Qt, so it can be tested and fuzzed alone.

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "office_table.h"

namespace zorvik {

inline constexpr const char* OfficesFileName = "ZorvikAmplifierAddresses.txt";
inline constexpr const char* OfficeIndexFileName = "ZCompanyIdx03.dat";

struct OfficesFileContents {
    OfficeTable Offices;           // all twelve entries cleared, then filled from the file
    std::int32_t OfficeIndex = 0;  // from the last "[IDX" line before any error, else 0
    std::string Error;             // empty, or why reading stopped; entries read so far stay
};

// Reads an office table file (UTF-8 text; a line may end in CR LF).
OfficesFileContents ParseOfficesFile(std::istream& text);

// The office index stored in the bytes of ZCompanyIdx03.dat; nothing when
// there are fewer than four bytes (a file cut short counts as no file).
std::optional<std::int32_t> DecodeOfficeIndex(std::string_view bytes);

// The four bytes of ZCompanyIdx03.dat for an office index.
std::string EncodeOfficeIndex(std::int32_t index);

// The address as the introduction window shows it: company, three address
// lines, fourth line + two blanks + fifth line, telephone, fax.
std::array<std::string, 6> AddressLines(const TAddressData& office);

}  // namespace zorvik
