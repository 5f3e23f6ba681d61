#include "offices_file.h"

#include <limits>

#include "number_text.h"

namespace zorvik {
namespace {

constexpr std::string_view kIndexTag = "[IDX";
constexpr int kAddressFields = 7;  // fields 1-7 follow a section header

bool StartsWith(std::string_view line, std::string_view prefix) { return line.substr(0, prefix.size()) == prefix; }

// "[IDXk]" names office k, counted from 1. The number is what lies between
// the tag and the first "]" (the rest of the line when there is none).
std::optional<std::int32_t> IndexLineValue(std::string_view line, std::string& error) {
    std::string_view rest = line.substr(kIndexTag.size());
    rest = rest.substr(0, rest.find(']'));
    std::string number(rest);
    TrimLeadingBlanks(number);
    const std::optional<int> k = ParseWholeNumber(number);
    if (!k) {
        error = "'" + std::string(rest) + "' is not a valid integer value";
        return std::nullopt;
    }
    if (*k == std::numeric_limits<std::int32_t>::min()) return *k;  // out of the table either way
    return *k - 1;
}

std::string RegionName(std::string_view header) {
    const auto close = header.find(']');
    if (close == std::string_view::npos) return {};
    return std::string(header.substr(1, close - 1));
}

}  // namespace

OfficesFileContents ParseOfficesFile(std::istream& text) {
    OfficesFileContents result;
    int entry = -1;  // the section being read; -1 before the first header
    int nextField = 1;
    std::string line;
    while (std::getline(text, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (StartsWith(line, kIndexTag)) {
            const auto index = IndexLineValue(line, result.Error);
            if (!index) return result;
            result.OfficeIndex = *index;
        } else if (StartsWith(line, "[")) {
            ++entry;
            nextField = 1;
            if (entry < OfficeCount) result.Offices[entry].Field[0] = RegionName(line);
        } else if (entry >= 0 && entry < OfficeCount && nextField <= kAddressFields) {
            result.Offices[entry].Field[nextField++] = line;
        }
    }
    return result;
}

std::optional<std::int32_t> DecodeOfficeIndex(std::string_view bytes) {
    if (bytes.size() < 4) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    return static_cast<std::int32_t>(value);
}

std::string EncodeOfficeIndex(std::int32_t index) {
    const auto value = static_cast<std::uint32_t>(index);
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

std::array<std::string, 6> AddressLines(const TAddressData& office) {
    const auto& f = office.Field;
    return {f[1], f[2], f[3], f[4] + "  " + f[5], f[6], f[7]};
}

}  // namespace zorvik
