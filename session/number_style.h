#pragma once
// How the user's system writes numbers, and how the entry fields take them:
// the system's decimal separator or "." before the decimals, never a
// thousands separator. A text with one is refused, because "1.234" could
// mean a thousand times what "1,234" means elsewhere and nothing here may
// guess; the message then says how to write the number.

#include <string>

namespace zorvik {

struct NumberStyle {
    char decimal = '.';  // the system's decimal separator (ASCII); "." is read as well
    std::string group;   // the system's thousands separator, UTF-8; empty: not known
};

// What to add to "... is not valid value" for a text that is no number
// because it is written with thousands separators grouping threes, or with
// two or more separators of either kind: "\r" and a line that says how to write it, with the user's own
// number as the example where its digits are grouped in threes ("1.234,5"
// gives "1234,5"), else a made-up one. Empty for any other text, and for a
// style whose thousands separator is not known. A blank-like separator
// (French and others) stands for all three: blank, no-break and narrow
// no-break space.
std::string ThousandsHint(const std::string& typed, const NumberStyle& style);

}  // namespace zorvik
