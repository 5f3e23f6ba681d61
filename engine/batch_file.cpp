#include "batch_file.h"

#include <algorithm>

namespace zorvik {
namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool Blank(const std::string& line) { return Trimmed(line).empty(); }

}  // namespace

std::vector<std::string> SplitCsvLine(const std::string& line) {
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
        } else if (c == ',') {
            finish();
        } else if (!(wasQuoted && (c == ' ' || c == '\t' || c == '\r'))) {
            cell += c;
        }
    }
    finish();
    return cells;
}

BatchReader::BatchReader(std::istream& in, std::vector<std::string> names)
    : in_(in), names_(std::move(names)), columnOf_(names_.size(), -1) {
    std::string header;
    while (std::getline(in_, header)) {
        ++line_;
        if (!Blank(header)) break;
    }
    if (Blank(header)) {
        headerError_ = "the file has no header line";
        return;
    }
    const std::vector<std::string> cells = SplitCsvLine(header);
    columns_ = cells.size();
    for (std::size_t col = 0; col < cells.size(); ++col) {
        const auto it = std::find(names_.begin(), names_.end(), cells[col]);
        if (it == names_.end()) {
            headerError_ = "the header names an unknown column \"" + cells[col] + "\"";
            return;
        }
        int& column = columnOf_[it - names_.begin()];
        if (column >= 0) {
            headerError_ = "the header names \"" + cells[col] + "\" twice";
            return;
        }
        column = static_cast<int>(col);
    }
    for (std::size_t n = 0; n < names_.size(); ++n)
        if (columnOf_[n] < 0) headerError_ += (headerError_.empty() ? "the header lacks " : ", ") + names_[n];
}

bool BatchReader::Next(BatchCase& next) {
    std::string text;
    do {
        if (!std::getline(in_, text)) return false;
        ++line_;
    } while (Blank(text));
    next = {line_, {}, {}};
    const std::vector<std::string> cells = SplitCsvLine(text);
    if (cells.size() != columns_) {
        next.error = "Line " + std::to_string(line_) + " has " + std::to_string(cells.size()) +
                     " values; the header names " + std::to_string(columns_);
        return true;
    }
    next.values.reserve(names_.size());
    for (const int column : columnOf_) next.values.push_back(cells[column]);
    return true;
}

}  // namespace zorvik
