#include "job_output.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "compare_output.h"
#include "output.h"

namespace zorvik::cli {
namespace {

// Schedule cells said in the reader's language, each on one line.
std::vector<std::string> SaidCells(const std::vector<Text>& cells, const Translator* reader) {
    std::vector<std::string> said;
    said.reserve(cells.size());
    for (const Text& cell : cells) said.push_back(job::CellText(cell, reader));
    return said;
}

using Json = nlohmann::ordered_json;

constexpr const char* kColumnGap = "  ";

// clang-format off
struct HeaderLine {
    const char* label;  // of the table
    const char* key;    // of the JSON
    std::string job::JobHeader::*field;
};
const HeaderLine kHeaderLines[] = {
    {"Job",       "name",      &job::JobHeader::name},
    {"Customer",  "customer",  &job::JobHeader::customer},
    {"Reference", "reference", &job::JobHeader::reference},
    {"Engineer",  "engineer",  &job::JobHeader::engineer},
    {"Revision",  "revision",  &job::JobHeader::revision},
    {"Date",      "date",      &job::JobHeader::date},
};
// clang-format on

// Display width: a UTF-8 character counts one column.
std::size_t Width(const std::string& text) {
    return std::count_if(text.begin(), text.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

// A spreadsheet takes a cell starting with one of these for a formula; a
// tag or a note from a customer's file must not run as one, so it is kept
// as text with a leading apostrophe.
bool LooksLikeFormula(const std::string& cell) {
    return !cell.empty() && std::string("=+-@\t\r").find(cell[0]) != std::string::npos;
}

std::string Quoted(const std::string& cell) {
    std::string out = LooksLikeFormula(cell) ? "\"'" : "\"";
    for (const char c : cell) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string CsvLine(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) line += (i == 0 ? "" : ",") + Quoted(cells[i]);
    return line + "\n";
}

GasOptions GasOf(const job::JobItem& item, const job::ItemResult& result) {
    return item.application == job::Application::Fill ? GasOptionsOf(result.reading.fill)
                                                      : GasOptionsOf(result.reading.flow);
}

// The compare command's JSON row of the one model, so the keys are the same.
Json ModelJson(const job::ItemResult& result, const GasOptions& gas, bool metric) {
    Comparison comparison{result.fill.has_value(), metric, gas, result.reading.flow, result.reading.fill, {}, {}, {}};
    if (result.flow) comparison.flowRows = {*result.flow};
    if (result.fill) comparison.chargeRows = {*result.fill};
    return Json::parse(ComparisonJson(comparison))["rows"][0];
}

Json ItemJson(const job::JobItem& item, const job::ItemResult& result) {
    const bool metric = item.duty.units == job::UnitSystem::Metric;
    Json json = {{"tag", item.tag},
                 {"quantity", item.quantity},
                 {"application", job::ApplicationName(item.application)},
                 {"units", job::UnitSystemName(item.duty.units)},
                 {"model", item.model ? Json(*item.model) : Json(nullptr)},
                 {"problem", result.reading.Readable() ? Json(nullptr) : Json(English(result.reading.problem))},
                 {"equalised", result.reading.equalised}};
    if (!result.reading.Readable()) return json;
    // The gas conditions under the keys the compare command gives them.
    const GasOptions gas = GasOf(item, result);
    const bool fill = item.application == job::Application::Fill;
    json.update(Json::parse("{" + GasJsonMembers(gas, fill).substr(2) + "}"));
    if (result.flow || result.fill) json.update(ModelJson(result, gas, metric));
    return json;
}

}  // namespace

std::string JobTable(const job::Job& job, const job::Schedule& schedule) {
    std::string out;
    for (const HeaderLine& h : kHeaderLines)
        if (!(job.header.*h.field).empty())
            out += std::string(h.label) + ": " + TerminalText(job.header.*h.field) + "\n";
    const std::vector<std::string> headings = SaidCells(schedule.headings, nullptr);
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : schedule.rows) {
        rows.push_back(SaidCells(row, nullptr));
        for (std::string& cell : rows.back()) cell = TerminalText(cell);
    }
    std::vector<std::size_t> widths(headings.size());
    for (std::size_t i = 0; i < widths.size(); ++i) widths[i] = Width(headings[i]);
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], Width(row[i]));
    const auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t i = 0; i < cells.size(); ++i)
            text += (i == 0 ? "" : kColumnGap) + cells[i] + std::string(widths[i] - Width(cells[i]), ' ');
        while (!text.empty() && text.back() == ' ') text.pop_back();
        return text + "\n";
    };
    out += (out.empty() ? "" : "\n") + line(headings);
    for (const auto& row : rows) out += line(row);
    return out;
}

std::string ScheduleCsv(const job::Schedule& schedule, const Translator* reader) {
    std::string out = CsvLine(SaidCells(schedule.headings, reader));
    for (const auto& row : schedule.rows) out += CsvLine(SaidCells(row, reader));
    return out;
}

std::string JobJson(const job::Job& job, const std::vector<job::ItemResult>& results) {
    Json json = Json::object();
    for (const HeaderLine& h : kHeaderLines) json[h.key] = job.header.*h.field;
    Json items = Json::array();
    for (std::size_t i = 0; i < job.items.size(); ++i) items.push_back(ItemJson(job.items[i], results[i]));
    json["items"] = std::move(items);
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace zorvik::cli
