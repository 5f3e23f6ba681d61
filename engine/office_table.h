#pragma once
// The manufacturer's regional offices. Every printout names the chosen
// office's company (field 1) and its telephone and fax lines (fields 6, 7).

#include <array>
#include <string>

namespace zorvik {

// One office: 0 region name (empty marks an empty entry), 1-5 address lines
// (1 is the company name, 5 may be empty), 6 telephone line, 7 fax line.
struct TAddressData {
    std::array<std::string, 8> Field;
};

inline constexpr int OfficeCount = 12;
// The office chosen until the user or a file chooses another.
inline constexpr int DefaultOfficeIndex = 1;
using OfficeTable = std::array<TAddressData, OfficeCount>;

// The table every run starts from: the built-in offices in entries 0-9,
// 10-11 empty (with DefaultOfficeIndex chosen).
OfficeTable InitOffices();

// The office that printouts name: offices[index], or entry 0 when the index
// lies outside the table (a stored index can come from an older or edited
// file, and no report may read outside the table).
const TAddressData& ChosenOffice(const OfficeTable& offices, int index);

// The contact line under a printed report: "Tel " + telephone line + four
// blanks + "Fax " + fax line. The office table writes its telephone and fax
// lines out in full ("Tel: ...", "Fax: ..."), so a line that already starts
// with its word does not get it twice ("Tel Tel: ..." on paper).
std::string TelFaxLine(const TAddressData& office);

}  // namespace zorvik
