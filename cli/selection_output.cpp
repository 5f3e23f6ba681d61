#include "selection_output.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "fixed_format.h"
#include "nearest_model.h"
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

std::vector<CellColumn> Columns(const OutputKind& kind) {
    if (kind.fill) return {std::begin(kFillColumns), std::end(kFillColumns)};
    return {std::begin(kFlowColumns), std::end(kFlowColumns)};
}

std::vector<std::string> Headings(const OutputKind& kind) {
    std::vector<std::string> headings;
    for (const CellColumn& c : Columns(kind)) headings.push_back(kind.metric ? c.metric : c.imperial);
    if (!kind.gas.ShowsGasColumns()) return headings;
    headings.insert(headings.end(), {MassFlowHeading(kind.metric, kind.fill), TemperatureHeading(kind.metric)});
    if (kind.gas.limitCelsius) headings.push_back(OverLimitHeading);
    return headings;
}

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

GasRowFigures GasFiguresOf(const OutputKind& kind, const SelectionResult& result, const SelectionRow& r) {
    return kind.fill ? ChargeGasFigures(kind.gas, result.chargeDuty, r.charge)
                     : FlowGasFigures(kind.gas, result.flowDuty, r.flow);
}

std::vector<std::string> Cells(const OutputKind& kind, const SelectionResult& result, const SelectionRow& r) {
    const SelectionCells cells = CellsOf(kind, r);
    std::vector<std::string> line;
    for (const CellColumn& c : Columns(kind)) line.push_back(cells.*c.cell);
    if (!kind.gas.ShowsGasColumns()) return line;
    const GasRowFigures gas = GasFiguresOf(kind, result, r);
    line.insert(line.end(), {MassFlowCell(gas, kind.metric), TemperatureCell(gas, kind.metric)});
    if (kind.gas.limitCelsius) line.push_back(gas.overLimit ? "yes" : "no");
    return line;
}

std::string NameOf(const SelectionRow& r) { return ModelName(r.series, r.ratioText); }

// Model number and name to the left, figures right-aligned under headings
// that name their units; `none` when no model is listed.
std::string TableText(const OutputKind& kind, const SelectionResult& result, const std::string& none) {
    std::vector<std::vector<std::string>> lines;
    std::vector<std::string> headings = {"No.", "Model"};
    for (const std::string& h : Headings(kind)) headings.push_back(h);
    lines.push_back(headings);
    for (const SelectionRow& r : result.rows) {
        // The table keeps the ratio text's blank: its columns line up as they always have.
        std::vector<std::string> line = {WholeNumber(r.pumpNo), r.series + r.ratioText};
        for (const std::string& cell : Cells(kind, result, r)) line.push_back(cell);
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
    if (result.rows.empty()) out += none + "\n";
    return out;
}

std::string CsvHeader(const OutputKind& kind) {
    std::string header = "model,name";
    for (const std::string& h : Headings(kind)) header += "," + h;
    return header;
}

std::string CsvLine(const OutputKind& kind, const SelectionResult& result, const SelectionRow& r) {
    std::string line = WholeNumber(r.pumpNo) + "," + CsvQuoted(NameOf(r));
    for (const std::string& cell : Cells(kind, result, r)) line += "," + cell;
    return line;
}

// The CSV line of a case without rows: its number and carried cells, every
// figure empty, and its message.
std::string CsvMessageLine(const OutputKind& kind, const BatchPoint& point, const std::string& message) {
    return WholeNumber(point.line) + CarriedCsv(point.carried, point.carriedNames.size()) + "," +
           std::string(Headings(kind).size() + 2, ',') + CsvQuoted(OneLine(message)) + "\n";
}

void PrintCsv(const OutputKind& kind, const SelectionResult& result) {
    std::printf("%s\n", CsvHeader(kind).c_str());
    for (const SelectionRow& r : result.rows) std::printf("%s\n", CsvLine(kind, result, r).c_str());
}

std::string JsonRow(const OutputKind& kind, const SelectionResult& result, const SelectionRow& r) {
    std::string out = "{\"model\": " + WholeNumber(r.pumpNo) + ", \"name\": " + JsonString(NameOf(r));
    const SelectionCells cells = CellsOf(kind, r);
    for (const CellColumn& c : Columns(kind)) out += ", \"" + std::string(c.key) + "\": " + JsonString(cells.*c.cell);
    for (const Figure& f : Figures(kind, r)) out += ", \"" + std::string(f.key) + "\": " + FullPrecision(f.value);
    out += GasRowJson(GasFiguresOf(kind, result, r));
    if (kind.fill) out += ", \"gas_delivered_scf\": " + FullPrecision(r.charge.gasDeliveredScf);
    return out + "}";
}

std::string JsonRows(const OutputKind& kind, const SelectionResult* result, const std::string& indent,
                     const std::string& closing) {
    if (result == nullptr || result->rows.empty()) return "[]";
    std::string out = "[";
    for (std::size_t i = 0; i < result->rows.size(); ++i)
        out += (i == 0 ? "\n" : ",\n") + indent + JsonRow(kind, *result, result->rows[i]);
    return out + "\n" + closing + "]";
}

std::string JsonHead(const OutputKind& kind) {
    return std::string("{\"application\": \"") + (kind.fill ? "fill" : "flow") + "\", \"units\": \"" +
           (kind.metric ? "metric" : "imperial") + "\"" + GasJsonMembers(kind.gas, kind.fill) + ", ";
}

// ", \"nearest\": {...}" for a case without rows.
std::string JsonNearest(const OutputKind& kind, const SelectionResult& result) {
    const std::optional<NearestReason> nearest = NoSelectionReason(result, kind.reader);
    if (!nearest) return {};
    return ", \"nearest\": {\"model\": " + WholeNumber(nearest->model) + ", \"name\": " + JsonString(nearest->name) +
           ", \"reason\": " + JsonString(nearest->text) + "}";
}

void PrintJson(const OutputKind& kind, const SelectionResult* result, const std::string* message) {
    const std::string nearest = result != nullptr ? JsonNearest(kind, *result) : std::string();
    std::printf("%s\"message\": %s, \"rows\": %s%s}\n", JsonHead(kind).c_str(),
                message != nullptr ? JsonString(*message).c_str() : "null", JsonRows(kind, result, "  ", "").c_str(),
                nearest.c_str());
}

std::string CsvCase(const OutputKind& kind, const BatchPoint& point, const SelectionResult* result,
                    const std::string& message) {
    if (result == nullptr) return CsvMessageLine(kind, point, message);
    if (result->rows.empty()) return CsvMessageLine(kind, point, NoSelectionText(*result, kind.reader));
    std::string out;
    for (const SelectionRow& r : result->rows)
        out += WholeNumber(point.line) + CarriedCsv(point.carried, point.carriedNames.size()) + "," +
               CsvLine(kind, *result, r) + ",\n";
    return out;
}

std::string JsonCase(const OutputKind& kind, const BatchPoint& point, const SelectionResult* result,
                     const std::string& message) {
    return "  {\"case\": " + WholeNumber(point.line) + CarriedJson(point) +
           ", \"message\": " + (result != nullptr ? "null" : JsonString(message)) +
           ", \"rows\": " + JsonRows(kind, result, "    ", "  ") +
           (result != nullptr ? JsonNearest(kind, *result) : "") + "}";
}

}  // namespace

std::optional<SelectionFormat> ParseSelectionFormat(const std::string& text) {
    if (text == "table") return SelectionFormat::Table;
    if (text == "csv") return SelectionFormat::Csv;
    if (text == "json") return SelectionFormat::Json;
    return std::nullopt;
}

OutputKind KindOf(const SelectionResult& result, const GasOptions& gas) {
    return {result.IsFill(), result.metric, gas};
}

void PrintSelection(const OutputKind& kind, const SelectionResult& result, SelectionFormat format) {
    switch (format) {
        case SelectionFormat::Table:
            std::printf("%s", TableText(kind, result, NoSelectionText(result, kind.reader)).c_str());
            break;
        case SelectionFormat::Csv:
            PrintCsv(kind, result);
            break;
        case SelectionFormat::Json:
            PrintJson(kind, &result, nullptr);
            break;
    }
}

void PrintStoppedSelection(const OutputKind& kind, const std::string& message, SelectionFormat format) {
    if (format == SelectionFormat::Json) PrintJson(kind, nullptr, &message);
}

std::string BatchStart(const OutputKind& kind, const std::vector<std::string>& carriedNames, SelectionFormat format) {
    switch (format) {
        case SelectionFormat::Table:
            return {};
        case SelectionFormat::Csv:
            return "case" + CarriedCsv(carriedNames, carriedNames.size()) + "," + CsvHeader(kind) + ",message\n";
        case SelectionFormat::Json:
            return JsonHead(kind) + "\"cases\": [";
    }
    return {};
}

std::string BatchCaseText(const OutputKind& kind, const BatchPoint& point, const SelectionResult* result,
                          const std::string& message, SelectionFormat format, bool first) {
    switch (format) {
        case SelectionFormat::Table:
            return (first ? "" : "\n") + CaseHeading(point) + "\n" +
                   (result != nullptr ? TableText(kind, *result, NoSelectionText(*result, kind.reader))
                                      : OneLine(message) + "\n");
        case SelectionFormat::Csv:
            return CsvCase(kind, point, result, message);
        case SelectionFormat::Json:
            return (first ? "\n" : ",\n") + JsonCase(kind, point, result, message);
    }
    return {};
}

std::string BatchEnd(SelectionFormat format, bool anyCase) {
    return format == SelectionFormat::Json ? std::string(anyCase ? "\n]}\n" : "]}\n") : std::string();
}

std::string CarriedCsv(const std::vector<std::string>& cells, std::size_t columns) {
    std::string out;
    for (std::size_t i = 0; i < columns; ++i) out += "," + (i < cells.size() ? CsvQuoted(cells[i]) : std::string());
    return out;
}

std::string CarriedJson(const BatchPoint& point) {
    if (point.carriedNames.empty()) return {};
    std::string out = ", \"columns\": {";
    for (std::size_t i = 0; i < point.carriedNames.size(); ++i)
        out += (i == 0 ? "" : ", ") + JsonString(point.carriedNames[i]) + ": " +
               (i < point.carried.size() ? JsonString(point.carried[i]) : "null");
    return out + "}";
}

std::string CaseHeading(const BatchPoint& point) {
    std::string heading = "Case " + WholeNumber(point.line);
    for (std::size_t i = 0; i < point.carriedNames.size() && i < point.carried.size(); ++i)
        heading += (i == 0 ? "  " : ", ") + point.carriedNames[i] + ": " + OneLine(point.carried[i]);
    return heading;
}

}  // namespace zorvik::cli
