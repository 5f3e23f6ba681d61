#include "selection_output.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "output.h"
#include "selection_row.h"
#include "session.h"

namespace zorvik::cli {
namespace {

// One column of formatted figures: its heading in each unit system, its JSON
// key and the cell of the row it shows.
struct CellColumn {
    const char* imperial;
    const char* metric;
    const char* key;
    std::string SelectionCells::*cell;
};

// clang-format off
constexpr CellColumn kFlowColumns[] = {
    {"Flow scfm",     "Flow nl/min",       "flow",     &SelectionCells::timeOrFlow},
    {"Air used scfm", "Air used n.m3/min", "air_used", &SelectionCells::air},
    {"Cycles/min",    "Cycles/min",        "cycles",   &SelectionCells::cycles},
};
// clang-format on

// clang-format off
constexpr CellColumn kFillColumns[] = {
    {"Fill time min",     "Fill time min",         "fill_time",        &SelectionCells::timeOrFlow},
    {"Avg air used scfm", "Avg air used n.m3/min", "average_air_used", &SelectionCells::air},
    {"Avg cycles/min",    "Avg cycles/min",        "average_cycles",   &SelectionCells::cycles},
    {"Total air scf",     "Total air n.m3",        "total_air",        &SelectionCells::totalAir},
};
// clang-format on

// A full-precision figure of a row, in internal units.
struct Figure {
    const char* key;
    double value;
};

const char kNoSelections[] = "No selections";

std::vector<CellColumn> Columns(const OutputKind& kind) {
    if (kind.fill) return {std::begin(kFillColumns), std::end(kFillColumns)};
    return {std::begin(kFlowColumns), std::end(kFlowColumns)};
}

const char* Heading(const OutputKind& kind, const CellColumn& c) { return kind.metric ? c.metric : c.imperial; }

std::vector<Figure> Figures(const OutputKind& kind, const SelectionRow& r) {
    if (kind.fill)
        return {{"fill_minutes", r.flowOrTime},
                {"total_air_scf", r.air},
                {"average_air_scfm", r.air / r.flowOrTime},
                {"average_cycles_per_min", r.cyclesPerMin}};
    return {{"flow_scfm", r.flowOrTime}, {"air_scfm", r.air}, {"cycles_per_min", r.cyclesPerMin}};
}

SelectionCells CellsOf(const OutputKind& kind, const SelectionRow& r) {
    const RowFormat format{kind.fill ? ApplicationFillCylinder : ApplicationFlow, kind.metric, '.'};
    return FormatSelectionCells(r.cyclesPerMin, r.air, r.flowOrTime, format);
}

std::string NameOf(const SelectionRow& r) { return r.series + r.ratioText; }

// Model number and name to the left, figures right-aligned under headings
// that name their units.
std::string TableText(const OutputKind& kind, const SelectionResult& result) {
    const std::vector<CellColumn> columns = Columns(kind);
    std::vector<std::vector<std::string>> lines;
    std::vector<std::string> headings = {"No.", "Model"};
    for (const CellColumn& c : columns) headings.push_back(Heading(kind, c));
    lines.push_back(headings);
    for (const SelectionRow& r : result.rows) {
        const SelectionCells cells = CellsOf(kind, r);
        std::vector<std::string> line = {std::to_string(r.pumpNo), NameOf(r)};
        for (const CellColumn& c : columns) line.push_back(cells.*c.cell);
        lines.push_back(line);
    }
    std::vector<std::size_t> widths(headings.size(), 0);
    for (const auto& line : lines)
        for (std::size_t i = 0; i < line.size(); ++i) widths[i] = std::max(widths[i], line[i].size());

    std::string out;
    for (const auto& line : lines) {
        std::string text;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const std::string pad(widths[i] - line[i].size(), ' ');
            const bool leftAligned = i == 1;
            text += (i == 0 ? "" : "  ") + (leftAligned ? line[i] + pad : pad + line[i]);
        }
        text.erase(text.find_last_not_of(' ') + 1);
        out += text + "\n";
    }
    if (result.rows.empty()) out += std::string(kNoSelections) + "\n";
    return out;
}

// A message's line breaks as blanks, for one-line output.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

std::string CsvQuoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string CsvHeader(const OutputKind& kind) {
    std::string header = "model,name";
    for (const CellColumn& c : Columns(kind)) header += std::string(",") + Heading(kind, c);
    return header;
}

std::string CsvLine(const OutputKind& kind, const SelectionRow& r) {
    const SelectionCells cells = CellsOf(kind, r);
    std::string line = std::to_string(r.pumpNo) + "," + CsvQuoted(NameOf(r));
    for (const CellColumn& c : Columns(kind)) line += "," + cells.*c.cell;
    return line;
}

void PrintCsv(const OutputKind& kind, const SelectionResult& result) {
    std::printf("%s\n", CsvHeader(kind).c_str());
    for (const SelectionRow& r : result.rows) std::printf("%s\n", CsvLine(kind, r).c_str());
}

std::string JsonRow(const OutputKind& kind, const SelectionRow& r) {
    std::string out = "{\"model\": " + std::to_string(r.pumpNo) + ", \"name\": " + JsonString(NameOf(r));
    const SelectionCells cells = CellsOf(kind, r);
    for (const CellColumn& c : Columns(kind)) out += ", \"" + std::string(c.key) + "\": " + JsonString(cells.*c.cell);
    for (const Figure& f : Figures(kind, r)) out += ", \"" + std::string(f.key) + "\": " + FullPrecision(f.value);
    return out + "}";
}

std::string JsonRows(const OutputKind& kind, const std::vector<SelectionRow>& rows, const std::string& indent,
                     const std::string& closing) {
    std::string out = "[";
    for (std::size_t i = 0; i < rows.size(); ++i) out += (i == 0 ? "\n" : ",\n") + indent + JsonRow(kind, rows[i]);
    return out + (rows.empty() ? "]" : "\n" + closing + "]");
}

std::string JsonHead(const OutputKind& kind) {
    return std::string("{\"application\": \"") + (kind.fill ? "fill" : "flow") + "\", \"units\": \"" +
           (kind.metric ? "metric" : "imperial") + "\", ";
}

void PrintJson(const OutputKind& kind, const std::vector<SelectionRow>& rows, const std::string* message) {
    std::printf("%s\"message\": %s, \"rows\": %s}\n", JsonHead(kind).c_str(),
                message != nullptr ? JsonString(*message).c_str() : "null", JsonRows(kind, rows, "  ", "").c_str());
}

}  // namespace

std::optional<SelectionFormat> ParseSelectionFormat(const std::string& text) {
    if (text == "table") return SelectionFormat::Table;
    if (text == "csv") return SelectionFormat::Csv;
    if (text == "json") return SelectionFormat::Json;
    return std::nullopt;
}

OutputKind KindOf(const SelectionResult& result) { return {result.IsFill(), result.metric}; }

void PrintSelection(const SelectionResult& result, SelectionFormat format) {
    const OutputKind kind = KindOf(result);
    switch (format) {
        case SelectionFormat::Table:
            std::printf("%s", TableText(kind, result).c_str());
            break;
        case SelectionFormat::Csv:
            PrintCsv(kind, result);
            break;
        case SelectionFormat::Json:
            PrintJson(kind, result.rows, nullptr);
            break;
    }
}

void PrintStoppedSelection(const OutputKind& kind, const std::string& message, SelectionFormat format) {
    if (format == SelectionFormat::Json) PrintJson(kind, {}, &message);
}

std::string BatchStart(const OutputKind& kind, SelectionFormat format) {
    switch (format) {
        case SelectionFormat::Table:
            return {};
        case SelectionFormat::Csv:
            return "case," + CsvHeader(kind) + ",message\n";
        case SelectionFormat::Json:
            return JsonHead(kind) + "\"cases\": [";
    }
    return {};
}

std::string BatchCaseText(const OutputKind& kind, int line, const SelectionResult* result, const std::string& message,
                          SelectionFormat format, bool first) {
    const std::string number = std::to_string(line);
    switch (format) {
        case SelectionFormat::Table:
            return (first ? "" : "\n") + std::string("Case ") + number + "\n" +
                   (result != nullptr ? TableText(kind, *result) : OneLine(message) + "\n");
        case SelectionFormat::Csv: {
            if (result == nullptr)
                return number + "," + std::string(Columns(kind).size() + 2, ',') + CsvQuoted(OneLine(message)) + "\n";
            if (result->rows.empty())
                return number + "," + std::string(Columns(kind).size() + 2, ',') + CsvQuoted(kNoSelections) + "\n";
            std::string out;
            for (const SelectionRow& r : result->rows) out += number + "," + CsvLine(kind, r) + ",\n";
            return out;
        }
        case SelectionFormat::Json:
            return std::string(first ? "\n" : ",\n") + "  {\"case\": " + number +
                   ", \"message\": " + (result != nullptr ? "null" : JsonString(message)) + ", \"rows\": " +
                   JsonRows(kind, result != nullptr ? result->rows : std::vector<SelectionRow>{}, "    ", "  ") + "}";
    }
    return {};
}

std::string BatchEnd(SelectionFormat format, bool anyCase) {
    return format == SelectionFormat::Json ? std::string(anyCase ? "\n]}\n" : "]}\n") : std::string();
}

}  // namespace zorvik::cli
