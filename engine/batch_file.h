#pragma once
// A file of duty points for batch sizing: CSV whose first line names the
// columns (the command's option names, e.g. "drive,air,inlet,outlet,flow",
// in any order) and then one duty point a line. Blank lines are skipped; a
// line keeps its number in the file, which names its case.

#include <istream>
#include <string>
#include <vector>

namespace zorvik {

struct BatchCase {
    int line = 0;                     // 1 is the header
    std::vector<std::string> values;  // in the order of the names the reader was given
    std::string error;                // why the line cannot be read; values are empty then
};

class BatchReader {
public:
    // `names`: the columns every line must give, all of them.
    BatchReader(std::istream& in, std::vector<std::string> names);

    // Empty, or why the header cannot be used (unknown, repeated or missing
    // column, or no header at all).
    const std::string& HeaderError() const { return headerError_; }

    // The next duty line; false at the end of the file.
    bool Next(BatchCase& next);

private:
    std::istream& in_;
    std::vector<std::string> names_;
    std::vector<int> columnOf_;  // file column of each name
    std::size_t columns_ = 0;
    int line_ = 0;
    std::string headerError_;
};

// The cells of a CSV line: split at commas outside double quotes, blanks
// around a cell dropped, a quoted cell's doubled quotes made single.
std::vector<std::string> SplitCsvLine(const std::string& line);

}  // namespace zorvik
