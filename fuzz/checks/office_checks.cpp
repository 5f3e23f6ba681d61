// The readers of the two office files against what the windows and the
// printouts rely on.

#include <cstdint>
#include <sstream>
#include <string>

#include "offices_file.h"
#include "session.h"
#include "fuzz/checks/check.h"
#include "fuzz/checks/fuzz_checks.h"

namespace zorvik::fuzz {
namespace {

bool EndsWith(const std::string& text, char c) { return !text.empty() && text.back() == c; }

// A table can be written back as a file when none of its lines would be
// taken for a header and no line end would eat part of a field.
bool CanBeWrittenBack(const OfficeTable& table) {
    for (const TAddressData& office : table)
        for (int f = 0; f < 8; ++f) {
            const std::string& field = office.Field[f];
            if (EndsWith(field, '\r')) return false;
            if (f > 0 && !field.empty() && field.front() == '[') return false;
        }
    return true;
}

std::string WrittenBack(const OfficesFileContents& read) {
    std::string file = "[IDX" + std::to_string(std::int64_t{read.OfficeIndex} + 1) + "]\r\n";
    for (const TAddressData& office : read.Offices) {
        file += "[" + office.Field[0] + "]\n";
        for (int f = 1; f < 8; ++f) file += office.Field[f] + "\n";
    }
    return file;
}

}  // namespace

void CheckOfficesFile(std::string_view data) {
    std::istringstream text{std::string(data)};
    const OfficesFileContents read = ParseOfficesFile(text);

    for (const TAddressData& office : read.Offices) {
        ZORVIK_REQUIRE(office.Field[0].find(']') == std::string::npos, "a region name holds its closing bracket");
        for (const std::string& field : office.Field)
            ZORVIK_REQUIRE(field.find('\n') == std::string::npos, "a field holds a line end");
        for (const std::string& line : AddressLines(office))
            ZORVIK_REQUIRE(line.find('\n') == std::string::npos, "an address line holds a line end");
    }
    ZORVIK_REQUIRE(read.Error.empty() || read.Error.ends_with("' is not a valid integer value"),
                   "unexpected error text: " + read.Error);

    // Whatever index the file names, no printout reads outside the table.
    Session session;
    session.Offices = read.Offices;
    session.OfficeIndex = read.OfficeIndex;
    const TAddressData* chosen = &session.Office();
    ZORVIK_REQUIRE(chosen >= session.Offices.data() && chosen < session.Offices.data() + OfficeCount,
                   "the chosen office lies outside the table");
    static_cast<void>(TelFaxLine(*chosen));

    if (!read.Error.empty() || !CanBeWrittenBack(read.Offices)) return;
    std::istringstream again{WrittenBack(read)};
    const OfficesFileContents reread = ParseOfficesFile(again);
    ZORVIK_REQUIRE(reread.Error.empty(), "a table written back does not read: " + reread.Error);
    ZORVIK_REQUIRE(reread.OfficeIndex == read.OfficeIndex, "the office index does not survive writing back");
    for (int i = 0; i < OfficeCount; ++i)
        ZORVIK_REQUIRE(reread.Offices[i].Field == read.Offices[i].Field,
                       "office " + std::to_string(i) + " does not survive writing back");
}

void CheckOfficeIndexFile(std::string_view data) {
    const auto stored = DecodeOfficeIndex(data);
    ZORVIK_REQUIRE(stored.has_value() == (data.size() >= 4),
                   "a file of " + std::to_string(data.size()) + " bytes read wrongly as (no) index");
    if (!stored) return;
    ZORVIK_REQUIRE(EncodeOfficeIndex(*stored) == data.substr(0, 4), "the index does not write back to its bytes");
    ZORVIK_REQUIRE(DecodeOfficeIndex(EncodeOfficeIndex(*stored)) == stored, "the index does not read back");

    Session session;
    session.OfficeIndex = *stored;
    const TAddressData* chosen = &session.Office();
    ZORVIK_REQUIRE(chosen >= session.Offices.data() && chosen < session.Offices.data() + OfficeCount,
                   "a stored index reaches outside the table");
    static_cast<void>(TelFaxLine(*chosen));
}

}  // namespace zorvik::fuzz
