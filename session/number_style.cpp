#include "number_style.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "entry_units.h"
#include "number_text.h"

namespace zorvik {
namespace {

const char kHintStart[] = "\rWrite it without a thousands separator, with ";
const char kHintMiddle[] = " before the decimals: ";
const char kMadeUpWhole[] = "1234";
const char kMadeUpFraction[] = "5";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The marks that count as thousands separators in the style: its own, or all
// three blanks for a blank-like one, since nobody types a narrow no-break
// space on purpose.
std::vector<std::string> GroupMarks(const NumberStyle& style) {
    const std::vector<std::string> blanks = {" ", "\u00A0", "\u202F"};
    if (std::find(blanks.begin(), blanks.end(), style.group) != blanks.end()) return blanks;
    return {style.group};
}

// The length of the group mark at `at`, or 0.
std::size_t GroupMarkAt(const std::string& text, std::size_t at, const std::vector<std::string>& marks) {
    for (const std::string& mark : marks)
        if (text.compare(at, mark.size(), mark) == 0) return mark.size();
    return 0;
}

// A text of digits, group marks and decimal separators, read as a number
// written with them: the user's digits grouped in threes, with at most one
// decimal separator and digits after it. Written back without the groups and
// with the system's separator; nothing when it is not such a number.
std::optional<std::string> Ungrouped(const std::string& text, const NumberStyle& style,
                                     const std::vector<std::string>& marks) {
    std::size_t i = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
    std::string result = text.substr(0, i);
    std::vector<int> groups{0};
    bool decimal = false;
    int fraction = 0;
    while (i < text.size()) {
        const std::size_t mark = GroupMarkAt(text, i, marks);
        const char c = text[i];
        if (mark > 0 && !decimal) {
            groups.push_back(0);
        } else if (IsDigit(c)) {
            result += c;
            (decimal ? fraction : groups.back()) += 1;
        } else if ((c == style.decimal || c == '.') && !decimal) {
            decimal = true;
            result += style.decimal;
        } else {
            return std::nullopt;
        }
        i += std::max<std::size_t>(mark, 1);
    }
    const bool threes = std::all_of(groups.begin() + 1, groups.end(), [](int g) { return g == 3; });
    if (groups.front() < 1 || groups.front() > 3 || !threes || (decimal && fraction == 0)) return std::nullopt;
    return result;
}

// How many thousands and decimal separators a text of a sign, digits and
// separators holds; nothing for any other text, or one without digits.
std::optional<int> SeparatorCount(const std::string& text, const NumberStyle& style,
                                  const std::vector<std::string>& marks) {
    int separators = 0;
    int digits = 0;
    std::size_t i = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    while (i < text.size()) {
        const std::size_t mark = GroupMarkAt(text, i, marks);
        if (mark > 0 || text[i] == style.decimal || text[i] == '.')
            ++separators;
        else if (IsDigit(text[i]))
            ++digits;
        else
            return std::nullopt;
        i += std::max<std::size_t>(mark, 1);
    }
    if (digits == 0) return std::nullopt;
    return separators;
}

}  // namespace

std::string ThousandsHint(const std::string& typed, const NumberStyle& style) {
    if (style.group.empty()) return {};
    std::string text = typed;
    TrimLeadingBlanks(text);
    TrimTrailingBlanks(text);
    if (ParseNumber(EntryNumberText(text, style.decimal))) return {};
    const std::vector<std::string> marks = GroupMarks(style);
    const std::optional<int> separators = SeparatorCount(text, style, marks);
    const std::optional<std::string> ungrouped = Ungrouped(text, style, marks);
    // A lone separator that groups no threes ("6,5" where "," groups) is a
    // decimal mark from elsewhere, not a thousands separator: no hint.
    if (!separators || (!ungrouped && *separators < 2)) return {};
    const std::string point = style.decimal == '.' ? "\".\"" : std::string("\"") + style.decimal + "\" or \".\"";
    const std::string example = ungrouped.value_or(std::string(kMadeUpWhole) + style.decimal + kMadeUpFraction);
    return kHintStart + point + kHintMiddle + example;
}

}  // namespace zorvik
