// The rows of the selection list and of the accessory options.

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include "catalogue.h"
#include "session.h"
#include "fuzz/checks/check.h"
#include "fuzz/checks/fuzz_checks.h"
#include "option_rows.h"
#include "selection_row.h"

namespace zorvik::fuzz {
namespace {

// The index a row's tail reads as, by the C library: a whole decimal number
// that fits an int (no leading white space), else 0.
int ReferenceIndex(const std::string& tail) {
    if (tail.empty() || std::isspace(static_cast<unsigned char>(tail.front()))) return 0;
    if (tail.find('\0') != std::string::npos) return 0;
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(tail.c_str(), &end, 10);
    if (end != tail.c_str() + tail.size() || errno == ERANGE || value < INT_MIN || value > INT_MAX) return 0;
    return static_cast<int>(value);
}

// Any row splits into a part number and a description without tabs and the
// index its tail reads as; put together again they are the row.
void CheckAnyOptionRow(const std::string& row) {
    const OptionRowFields fields = SplitOptionRow(row);
    ZORVIK_REQUIRE(fields.partNumber.find('\t') == std::string::npos, "a part number holds a tab");
    ZORVIK_REQUIRE(fields.description.find('\t') == std::string::npos, "a description holds a tab");
    static_cast<void>(OptionHasDrawing(fields.index));
    const auto tabs = std::count(row.begin(), row.end(), '\t');
    if (tabs == 0) {
        ZORVIK_REQUIRE(fields.partNumber == row && fields.description.empty() && fields.index == 0,
                       "a row without tabs is not all part number");
        return;
    }
    const std::size_t second = tabs >= 2 ? row.find('\t', row.find('\t') + 1) : std::string::npos;
    const std::string tail = second == std::string::npos ? std::string() : row.substr(second + 1);
    const std::string rebuilt =
        fields.partNumber + "\t" + fields.description + (second == std::string::npos ? "" : "\t" + tail);
    ZORVIK_REQUIRE(rebuilt == row, "the split does not put the row together again");
    ZORVIK_REQUIRE(fields.index == ReferenceIndex(tail),
                   "the index of \"" + tail + "\" read as " + std::to_string(fields.index));
}

// A row made of a part number and a description without tabs and any index
// splits back into them.
void CheckWrittenOptionRow(std::string_view data) {
    if (data.size() < 1 + sizeof(int)) return;
    int index = 0;
    std::memcpy(&index, data.data() + 1, sizeof index);
    std::string text(data.substr(1 + sizeof index));
    std::replace(text.begin(), text.end(), '\t', ' ');
    const std::size_t half = text.size() / 2;
    const std::string partNumber = text.substr(0, half);
    const std::string description = text.substr(half);
    const OptionRowFields fields = SplitOptionRow(partNumber + "\t" + description + "\t" + std::to_string(index));
    ZORVIK_REQUIRE(fields.partNumber == partNumber && fields.description == description && fields.index == index,
                   "a written option row does not split back into its fields");
}

}  // namespace

void CheckOptionRow(std::string_view data) {
    if (data.empty()) return;
    if ((static_cast<unsigned char>(data[0]) & 1) == 0)
        CheckAnyOptionRow(std::string(data.substr(1)));
    else
        CheckWrittenOptionRow(data);
}

constexpr int kRowTabs = 6;  // between its seven parts

// Any figures a selection run may produce - huge, tiny, negative, not a
// number - still make a row of seven tab-separated parts, the model's name
// first and its number last, whose padding comes to an end.
void CheckSelectionRow(std::string_view data) {
    if (data.size() < 2 + 3 * sizeof(double)) return;
    const auto choice = static_cast<unsigned char>(data[0]);
    const int model = 1 + static_cast<unsigned char>(data[1]) % PumpCount;
    double figures[3];
    std::memcpy(figures, data.data() + 2, sizeof figures);
    const RowFormat format{(choice & 4) != 0 ? ApplicationFillCylinder : ApplicationFlow, (choice & 2) != 0,
                           (choice & 8) != 0 ? ',' : '.'};
    const TPumpRecord& pump = CatalogueRow(model);
    const auto arialDigits = [](const std::string& text) { return 9 * static_cast<int>(text.size()); };
    const std::string row =
        FormatSelectionRow(model, pump.Series, pump.RatioText, figures[0], figures[1], figures[2], format, arialDigits);
    ZORVIK_REQUIRE(std::count(row.begin(), row.end(), '\t') == kRowTabs, "a row without six tabs: " + row);
    ZORVIK_REQUIRE(row.starts_with("\t" + pump.DisplayName() + "\t"), "a row without its model's name: " + row);
    const std::string last = row.substr(row.rfind('\t') + 1);
    const std::size_t digits = last.find_first_not_of(' ');
    ZORVIK_REQUIRE(digits != std::string::npos && last.substr(digits) == std::to_string(model),
                   "a row does not end in its model's number: " + row);
    ZORVIK_REQUIRE(row.size() < 1000, "a row's padding went on: " + std::to_string(row.size()) + " characters");
}

}  // namespace zorvik::fuzz
