#include "compare_batch.h"

#include "catalogue.h"
#include "compare_output.h"
#include "fixed_format.h"
#include "output.h"

namespace zorvik::cli {
namespace {

class Writer final : public BatchWriter {
public:
    explicit Writer(const CompareBatchSettings& settings) : s_(settings) {}

    std::string Start(const std::vector<std::string>& carriedNames) override {
        switch (s_.format) {
            case SelectionFormat::Table:
                return {};
            case SelectionFormat::Csv: {
                std::string header = "case" + CarriedCsv(carriedNames, carriedNames.size()) + ",figure";
                for (const int n : s_.models) {
                    const TPumpRecord& pump = CatalogueRow(n);
                    header += "," + CsvQuoted(ModelName(pump.Series, pump.RatioText));
                }
                return header + ",message\n";
            }
            case SelectionFormat::Json:
                return ComparisonJsonHead(s_.fill, s_.metric, s_.gas) + "\"cases\": [";
        }
        return {};
    }

    std::string Case(const BatchPoint& point, const SelectionResult* result, const std::string& message,
                     bool first) override {
        if (result == nullptr) return Refused(point, message, first);
        // The reasons follow --language, as those of a single comparison.
        const Comparison comparison = CompareModels(*result, s_.models, s_.cost, s_.gas, s_.reader);
        switch (s_.format) {
            case SelectionFormat::Table:
                return (first ? "" : "\n") + CaseHeading(point) + "\n" + AlignedTable(TableOf(comparison));
            case SelectionFormat::Csv:
                return CsvCase(point, TableOf(comparison));
            case SelectionFormat::Json:
                return (first ? "\n" : ",\n") + JsonCase(point, "null", ComparisonJsonRows(comparison, "    ", "  "));
        }
        return {};
    }

    std::string End(bool anyCase) override { return BatchEnd(s_.format, anyCase); }

private:
    std::string Refused(const BatchPoint& point, const std::string& message, bool first) const {
        switch (s_.format) {
            case SelectionFormat::Table:
                return (first ? "" : "\n") + CaseHeading(point) + "\n" + OneLine(message) + "\n";
            case SelectionFormat::Csv:
                return LineStart(point) + std::string(s_.models.size() + 1, ',') + CsvQuoted(OneLine(message)) + "\n";
            case SelectionFormat::Json:
                return (first ? "\n" : ",\n") + JsonCase(point, JsonString(message), "[]");
        }
        return {};
    }

    // "<case>,<carried>," that opens each CSV line of a case.
    static std::string LineStart(const BatchPoint& point) {
        return WholeNumber(point.line) + CarriedCsv(point.carried, point.carriedNames.size()) + ",";
    }

    static std::string CsvCase(const BatchPoint& point, const ComparisonTable& table) {
        std::string out;
        for (const ComparisonTable::Row& row : table.rows) {
            out += LineStart(point) + CsvQuoted(English(row.label));
            for (const Text& cell : row.cells) out += "," + CsvQuoted(OneLine(English(cell)));
            out += ",\n";
        }
        return out;
    }

    static std::string JsonCase(const BatchPoint& point, const std::string& message, const std::string& rows) {
        return "  {\"case\": " + WholeNumber(point.line) + CarriedJson(point) + ", \"message\": " + message +
               ", \"rows\": " + rows + "}";
    }

    CompareBatchSettings s_;
};

}  // namespace

std::unique_ptr<BatchWriter> CompareBatchWriter(const CompareBatchSettings& settings) {
    return std::make_unique<Writer>(settings);
}

}  // namespace zorvik::cli
