#include "batch_file.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "fixed_format.h"

namespace zorvik {
namespace {

constexpr char kSeparators[] = {',', ';', '\t'};
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kSeparatorLine = "sep=";  // Excel's first line naming the separator

std::string Trimmed(const std::string& text, const char* blanks = " \t\r") {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool Blank(const std::string& line) { return Trimmed(line).empty(); }

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The cells of `line`, and whether it ends inside a quoted cell (a record
// that goes on on the next line).
std::vector<std::string> Split(const std::string& line, char separator, bool& endsQuoted) {
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false;
    bool wasQuoted = false;
    const auto finish = [&] {
        cells.push_back(wasQuoted ? cell : Trimmed(cell));
        cell.clear();
        wasQuoted = false;
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"')
                cell += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                cell += line[++i];
            else
                quoted = false;
        } else if (c == '"' && Trimmed(cell).empty()) {
            cell.clear();
            quoted = wasQuoted = true;
        } else if (c == separator) {
            finish();
        } else if (!(wasQuoted && (c == ' ' || c == '\t' || c == '\r'))) {
            cell += c;
        }
    }
    finish();
    endsQuoted = quoted;
    return cells;
}

bool Digits(const std::string& text, std::size_t from, std::size_t to) {
    return from < to &&
           std::all_of(text.begin() + from, text.begin() + to, [](char c) { return c >= '0' && c <= '9'; });
}

// "1.500", "-12,345,678": a first group of one to three digits that does
// not start with 0, then groups of three, each after `mark`.
bool LooksGrouped(const std::string& number, char mark) {
    const std::size_t start = number.find_first_not_of("+-") == 1 ? 1 : 0;
    std::size_t end = number.find(mark, start);
    if (end == std::string::npos || end - start > 3 || !Digits(number, start, end) || number[start] == '0')
        return false;
    while (end != std::string::npos) {
        const std::size_t next = number.find(mark, end + 1);
        const std::size_t groupEnd = next == std::string::npos ? number.size() : next;
        if (groupEnd - end != 4 || !Digits(number, end + 1, groupEnd)) return false;
        end = next;
    }
    return true;
}

// The marks a number written in a file with this separator may be grouped
// with: "." where "," is the decimal separator, both where the locale is
// unknown.
std::string GroupMarks(char separator) { return separator == ';' ? "." : separator == '\t' ? ".," : ""; }

// std::getline, but no further than `room` bytes: false at the end of the
// stream, and with `tooLong` set when the line goes on past `room`.
bool GetBoundedLine(std::istream& in, std::string& text, std::size_t room, bool& tooLong) {
    text.clear();
    std::streambuf* buffer = in.rdbuf();
    for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
        if (c == '\n') return true;
        if (text.size() == room) {
            tooLong = true;
            return true;
        }
        text.push_back(static_cast<char>(c));
    }
    in.setstate(std::ios::eofbit);
    return !text.empty();
}

}  // namespace

std::vector<std::string> SplitCsvLine(const std::string& line, char separator) {
    bool endsQuoted = false;
    return Split(line, separator, endsQuoted);
}

char HeaderSeparator(const std::string& header, const std::vector<std::string>& names) {
    char best = ',';
    long bestCount = 0;
    for (const char separator : kSeparators) {
        const std::vector<std::string> cells = SplitCsvLine(header, separator);
        const long count = std::count_if(cells.begin(), cells.end(), [&names](const std::string& cell) {
            return std::find(names.begin(), names.end(), Lower(cell)) != names.end();
        });
        if (count > bestCount) {
            best = separator;
            bestCount = count;
        }
    }
    return best;
}

std::string NumberCell(const std::string& cell, char separator, const std::string& column, std::string& error) {
    for (const char mark : GroupMarks(separator))
        if (LooksGrouped(cell, mark)) {
            error = column + ": " + cell + " could be read with or without a thousands separator; write it without";
            return {};
        }
    const bool decimalComma =
        separator != ',' && std::count(cell.begin(), cell.end(), ',') == 1 && cell.find('.') == std::string::npos;
    if (!decimalComma) return cell;
    std::string number = cell;
    std::replace(number.begin(), number.end(), ',', '.');
    return number;
}

BatchReader::BatchReader(std::istream& in, std::vector<std::string> names)
    : in_(in), names_(std::move(names)), columnOf_(names_.size(), -1) {
    std::string header;
    if (!ReadHeaderLine(header)) return;
    if (header.rfind(kByteOrderMark, 0) == 0) header.erase(0, kByteOrderMark.size());
    if (const std::string first = Lower(Trimmed(header, "\r"));
        first.size() == kSeparatorLine.size() + 1 && first.rfind(kSeparatorLine, 0) == 0) {
        separator_ = first.back();
        if (!ReadHeaderLine(header)) return;
    } else {
        separator_ = HeaderSeparator(header, names_);
    }
    if (!CompleteRecord(header)) {
        headerError_ = "the header opens a quote that is never closed";
        return;
    }
    ReadHeader(header);
}

bool BatchReader::ReadHeaderLine(std::string& header) {
    if (ReadLine(header) && !tooLong_) return true;
    headerError_ = tooLong_ ? "the header line is longer than " + WholeNumber(MaxBatchLineBytes) + " bytes"
                            : "the file has no header line";
    return false;
}

void BatchReader::ReadHeader(const std::string& header) {
    const std::vector<std::string> cells = SplitCsvLine(header, separator_);
    columns_ = cells.size();
    for (std::size_t col = 0; col < cells.size(); ++col) {
        const auto it = std::find(names_.begin(), names_.end(), Lower(cells[col]));
        if (it == names_.end()) {
            if (cells[col].empty()) continue;
            carriedColumns_.push_back(static_cast<int>(col));
            carriedNames_.push_back(cells[col]);
            continue;
        }
        int& column = columnOf_[it - names_.begin()];
        if (column >= 0) {
            headerError_ = "the header names \"" + *it + "\" twice";
            return;
        }
        column = static_cast<int>(col);
    }
    for (std::size_t n = 0; n < names_.size(); ++n)
        if (columnOf_[n] < 0) headerError_ += (headerError_.empty() ? "the header lacks " : ", ") + names_[n];
}

bool BatchReader::ReadLine(std::string& text) {
    do {
        if (tooLong_ || !GetBoundedLine(in_, text, MaxBatchLineBytes, tooLong_)) return false;
        ++line_;
    } while (Blank(text) && !tooLong_);
    return true;
}

bool BatchReader::CompleteRecord(std::string& text) {
    bool endsQuoted = false;
    Split(text, separator_, endsQuoted);
    for (std::string more;
         endsQuoted && !tooLong_ && GetBoundedLine(in_, more, MaxBatchLineBytes - text.size(), tooLong_);) {
        ++line_;
        text += "\n" + more;
        Split(text, separator_, endsQuoted);
    }
    return !endsQuoted || tooLong_;
}

bool BatchReader::Next(BatchCase& next) {
    std::vector<std::string> cells;
    // A spreadsheet saves the empty rows below its data as separators alone.
    while (std::all_of(cells.begin(), cells.end(), [](const std::string& cell) { return cell.empty(); })) {
        std::string text;
        if (!ReadLine(text)) return false;
        next = {line_, {}, {}, {}};
        const bool complete = CompleteRecord(text);
        if (tooLong_) {
            next.error = "Line " + WholeNumber(next.line) + " is longer than " + WholeNumber(MaxBatchLineBytes) +
                         " bytes; the file is read no further";
            return true;
        }
        if (!complete) {
            next.error = "Line " + WholeNumber(next.line) + " opens a quote that is never closed";
            return true;
        }
        cells = SplitCsvLine(text, separator_);
    }
    if (cells.size() != columns_) {
        next.error = "Line " + WholeNumber(next.line) + " has " + WholeNumber(cells.size()) +
                     " values; the header names " + WholeNumber(columns_);
        return true;
    }
    for (const int column : carriedColumns_) next.carried.push_back(cells[column]);
    ReadValues(cells, next);
    return true;
}

void BatchReader::ReadValues(const std::vector<std::string>& cells, BatchCase& next) const {
    next.values.reserve(names_.size());
    for (std::size_t n = 0; n < names_.size(); ++n) {
        next.values.push_back(NumberCell(cells[columnOf_[n]], separator_, names_[n], next.error));
        if (!next.error.empty()) {
            next.values.clear();
            return;
        }
    }
}

}  // namespace zorvik
