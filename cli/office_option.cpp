#include "office_option.h"

#include <vector>

#include "fixed_format.h"
#include "number_text.h"
#include "session.h"

namespace zorvik::cli {
namespace {

constexpr std::size_t kHelpWidth = 80;

// The table's entries that name a region, in order: what the window lists.
std::vector<int> ListedOffices(const OfficeTable& offices) {
    std::vector<int> listed;
    for (int entry = 0; entry < OfficeCount; ++entry)
        if (!offices[entry].Field[0].empty()) listed.push_back(entry);
    return listed;
}

}  // namespace

std::optional<TAddressData> ReadOfficeOption(const Arguments& parsed, std::string& error) {
    const Session program;
    if (!parsed.Has("office")) return program.Office();
    const std::vector<int> listed = ListedOffices(program.Offices);
    const std::optional<int> n = ParseWholeNumber(parsed.Value("office"));
    if (!n || *n < 1 || *n > static_cast<int>(listed.size())) {
        error = "--office must be a whole number from 1 to " + WholeNumber(listed.size());
        return std::nullopt;
    }
    return program.Offices[listed[*n - 1]];
}

std::string OfficeListHelp(const char* indent) {
    const Session program;
    const std::vector<int> listed = ListedOffices(program.Offices);
    std::string out = indent;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < listed.size(); ++i) {
        std::string item = WholeNumber(i + 1) + " " + program.Offices[listed[i]].Field[0];
        if (listed[i] == program.OfficeIndex) item += " (the default)";
        item += i + 1 < listed.size() ? "," : "\n";
        if (out.size() - lineStart + item.size() + 1 > kHelpWidth) {
            out += "\n";
            lineStart = out.size();
            out += indent;
        } else if (i > 0) {
            out += " ";
        }
        out += item;
    }
    return out;
}

}  // namespace zorvik::cli
