#pragma once
// A file of duty points for batch sizing, as spreadsheets write it: the
// first line names the columns (the command's option names in any order and
// any letter case, e.g. "Drive;Air;Inlet;Outlet;Flow"), then one duty point
// a line.
//
// - Cells are separated by commas, semicolons or tabs: whichever splits the
//   header into the most of the names wanted. Spreadsheets in locales with a
//   decimal comma write ";"; an Excel "sep=;" first line is honoured, and a
//   UTF-8 byte-order mark is skipped.
// - A quoted cell may hold the separator, doubled quotes and line breaks;
//   blanks around a cell are dropped.
// - Numbers: in a ";" file the decimal separator is ",", so "2,5" is read as
//   2.5. A tab file may come from either kind of locale and takes either.
//   A number that could be written with a thousands separator ("1.500" in a
//   ";" file, "1,500" or "1.500" in a tab file) is refused rather than
//   guessed. A "," file reads numbers as they stand.
// - Columns the command does not know (a customer's reference) are carried
//   along with every point; columns without a name are skipped.
// - Blank lines, and lines of empty cells (a spreadsheet's empty rows), are
//   skipped; a point keeps the number of its first line in the file, which
//   names its case.

#include <istream>
#include <string>
#include <vector>

namespace zorvik {

struct BatchCase {
    int line = 0;                      // 1 is the header (2 after a "sep=" line)
    std::vector<std::string> values;   // in the order of the names the reader was given
    std::vector<std::string> carried;  // one per CarriedColumns(); empty when the line has the wrong number of cells
    std::string error;                 // why the line cannot be read; values are empty then
};

// The longest line (or quoted record) a batch file may have, bytes: a
// stream with no line end (a device, a binary) is refused at this length
// instead of read without end.
inline constexpr std::size_t MaxBatchLineBytes = 64 * 1024;

class BatchReader {
public:
    // `names`: the columns every line must give, all of them, in lower case.
    BatchReader(std::istream& in, std::vector<std::string> names);

    // Empty, or why the header cannot be used (a repeated or missing
    // column, or no header at all).
    const std::string& HeaderError() const { return headerError_; }

    // The columns carried along, as the header writes them.
    const std::vector<std::string>& CarriedColumns() const { return carriedNames_; }

    char Separator() const { return separator_; }

    // The next duty line; false at the end of the file, and after a line
    // longer than MaxBatchLineBytes (that line's case says so).
    bool Next(BatchCase& next);

private:
    // The next line that is not blank; false at the end of the file.
    bool ReadLine(std::string& text);
    // Joins the lines of a quoted cell that runs on to `text`; false when
    // the file ends inside it.
    bool CompleteRecord(std::string& text);
    // The header line, or false with headerError_ said.
    bool ReadHeaderLine(std::string& header);
    void ReadHeader(const std::string& header);
    void ReadValues(const std::vector<std::string>& cells, BatchCase& next) const;

    std::istream& in_;
    std::vector<std::string> names_;
    std::vector<int> columnOf_;  // file column of each name
    std::vector<int> carriedColumns_;
    std::vector<std::string> carriedNames_;
    std::size_t columns_ = 0;
    char separator_ = ',';
    int line_ = 0;
    bool tooLong_ = false;  // a line passed MaxBatchLineBytes: nothing more is read
    std::string headerError_;
};

// The cells of one record: split at `separator` outside double quotes,
// blanks around a cell dropped, a quoted cell's doubled quotes made single.
std::vector<std::string> SplitCsvLine(const std::string& line, char separator = ',');

// The separator of a header: of ",", ";" and tab, the one that splits it
// into the most cells naming one of `names` (letter case aside); "," when
// none does better.
char HeaderSeparator(const std::string& header, const std::vector<std::string>& names);

// The text of a number cell for the entry routine, by the file's separator
// (see above); empty with `error` set when the number could be read two
// ways. `column` names the cell in the error.
std::string NumberCell(const std::string& cell, char separator, const std::string& column, std::string& error);

}  // namespace zorvik
