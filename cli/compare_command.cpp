#include "compare_command.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QString>
#include <cmath>
#include <cstdio>
#include <set>

#include "arguments.h"
#include "cost_options.h"
#include "compare_batch.h"
#include "compare_output.h"
#include "office_option.h"
#include "output.h"
#include "offscreen_application.h"
#include "language.h"
#include "selection_command.h"
#include "selection_output.h"
#include "stderr_notices.h"
#include "comparison_page.h"
#include "picture_file.h"
#include "number_text.h"

namespace zorvik::cli {
namespace {

struct CompareRequest {
    const SelectionCommandSpec* command = nullptr;
    std::vector<int> models;
    CostSettings cost;
    GasOptions gas;
    SelectionFormat format = SelectionFormat::Table;
    std::string out;
    TAddressData office;  // named at the foot of the page
};

void Help() {
    std::printf(
        "usage: zorvik-select compare [--application flow|fill] <the conditions of flow or fill>\n"
        "                             [--models 1,5,9] [--kw-per-100scfm K] [--hours H] [--price C]\n"
        "                             [--inlet-is-plant-air] [<gas options>] [--format table|csv|json]\n"
        "                             [--out page.pdf]\n"
        "       zorvik-select compare [--application flow|fill] --batch FILE [<the options above>]\n\n"
        "Evaluates models side by side at the conditions of \"zorvik-select flow\"\n"
        "(the default) or \"fill\", with the same procedure and air limit as their\n"
        "lists; a listed model's figures are those of its list row. Models the\n"
        "selection leaves out get the first test they fail, in plain words.\n\n"
        "  --application A       flow (--drive --air --inlet --outlet --flow) or\n"
        "                        fill (--drive --air --inlet --initial --final --capacity);\n"
        "                        --metric, --ignore-air, --ignore-flow, --no-equalise as there\n"
        "  --models LIST         model numbers, comma separated (default: all fifteen)\n"
        "  --kw-per-100scfm K    compressor specific power (default 18)\n"
        "  --hours H             hours of operation a year (default 4000)\n"
        "  --price C             electricity price per kWh (default 0.15)\n"
        "  --inlet-is-plant-air  the inlet gas comes from the drive air supply: its\n"
        "                        flow counts in the running cost (flow only)\n"
        "  --format F            table (default), csv or json\n"
        "  --out FILE            also write the comparison window's page as PDF\n"
        "  --office N            the office the page names (with --out):\n"
        "%s\n"
        "  --batch FILE          compare at every duty point of a file, as \"flow --batch\"\n"
        "                        reads it (\"-\": standard input); not with --out\n\n"
        "Gas options, as for flow and fill:\n"
        "%s\n"
        "Flow also shows each model at the duty: flat out at the pressures given,\n"
        "then throttled to the flow required (units in parallel when one is short),\n"
        "with its drive air, whether that fits the air available, and whether it\n"
        "runs above 50 %% of its maximum speed.\n\n"
        "Running cost: flow, kWh a year = air scfm / 100 x K x H (air = the drive\n"
        "air at the duty, plus the required flow with --inlet-is-plant-air); fill,\n"
        "kWh a fill = total drive air scf / 100 x K / 60; cost = kWh x C.\n\n"
        "With a gas other than air or a temperature limit the table gains the mass\n"
        "flow (lb/h; kg/h metric; for fill the average over the fill) and the\n"
        "discharge temperature of the last stage (degF; degC metric), adiabatic and\n"
        "without cooling: an upper bound. JSON always gives \"gas\",\n"
        "\"mass_flow_kg_h\", \"stage_discharge_temperatures_c\",\n"
        "\"discharge_temperature_c\", \"over_temperature_limit\", \"safety_note\" and,\n"
        "for fill, \"contents_basis\" and \"gas_delivered_scf\". A model whose outlet\n"
        "or final pressure would liquefy the gas is not listed, with that reason.\n"
        "A gas's safety note goes to stderr after a table or CSV.\n\n"
        "Exit status 0 when the models were compared; with --batch 1 when some\n"
        "points were refused (their number on stderr); 2 for a usage error, an\n"
        "invalid value or a failed check.\n",
        OfficeListHelp("                        ").c_str(), GasOptionsHelp(24).c_str());
}

std::vector<OptionSpec> Options() {
    std::vector<OptionSpec> options = {{"application", true},  {"models", true},      {"format", true},
                                       {"out", true},          {"batch", true},       {"inlet-is-plant-air", false},
                                       {"metric", false},      {"ignore-air", false}, {"ignore-flow", false},
                                       {"no-equalise", false}, {"office", true}};
    for (const char* c : CostOptionNames) options.push_back({c, true});
    for (const OptionSpec& g : GasOptionSpecs()) options.push_back(g);
    std::set<std::string> fields;
    for (const SelectionCommandSpec* s : {&FlowSelectionSpec, &FillSelectionSpec})
        for (const FieldOption& f : s->fields)
            if (fields.insert(f.name).second) options.push_back({f.name, true});
    return options;
}

bool ReadModels(const std::string& text, std::vector<int>& models, std::string& error) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const auto n = ParseWholeNumber(text.substr(start, comma - start));
        if (!n || *n < 1 || *n > PumpCount) {
            error = "--models must be model numbers from 1 to 15, comma separated";
            return false;
        }
        models.push_back(*n);
        start = comma + 1;
    }
    return true;
}

// The conditions are exactly those of the chosen command, on the command
// line or from a batch file; the other's are errors.
bool CheckFields(const SelectionCommandSpec& command, const Arguments& parsed, std::string& error) {
    const bool batch = parsed.Has("batch");
    std::set<std::string> own;
    std::string missing;
    for (const FieldOption& f : command.fields) {
        own.insert(f.name);
        if (batch && parsed.Has(f.name))
            error = std::string("--") + f.name + " comes from the batch file, not the command line";
        if (!batch && !parsed.Has(f.name)) missing += std::string(missing.empty() ? "" : ", ") + "--" + f.name;
    }
    if (!missing.empty()) error = "compare needs " + missing;
    for (const SelectionCommandSpec* s : {&FlowSelectionSpec, &FillSelectionSpec})
        for (const FieldOption& f : s->fields)
            if (own.count(f.name) == 0 && parsed.Has(f.name))
                error = std::string("--") + f.name + " is not a condition of " + command.name;
    const char* foreign = &command == &FlowSelectionSpec ? "no-equalise" : "ignore-flow";
    if (parsed.Has(foreign)) error = std::string("--") + foreign + " is not an option of " + command.name;
    if (batch && parsed.Has("out")) error = "--out writes the page of one comparison, not of a --batch";
    if (!parsed.Has("out") && parsed.Has("office")) error = "--office names the office of the --out page";
    // A PDF under another name would replace what the user keeps there.
    if (parsed.Has("out") && LowerExtension(parsed.Value("out")) != ".pdf") error = "--out must name a .pdf file";
    return error.empty();
}

std::optional<CompareRequest> CheckUsage(const Arguments& parsed, std::string& error) {
    CompareRequest r;
    const std::string application = parsed.Value("application", "flow");
    if (application != "flow" && application != "fill") {
        error = "--application must be flow or fill";
        return std::nullopt;
    }
    r.command = application == "fill" ? &FillSelectionSpec : &FlowSelectionSpec;
    if (!CheckFields(*r.command, parsed, error)) return std::nullopt;
    if (!parsed.Has("models"))
        r.models = AllModels();
    else if (!ReadModels(parsed.Value("models"), r.models, error))
        return std::nullopt;
    if (!ReadCostOptions(parsed, r.cost, error)) return std::nullopt;
    const auto format = ParseSelectionFormat(parsed.Value("format", "table"));
    if (!format) {
        error = "--format must be table, csv or json";
        return std::nullopt;
    }
    r.format = *format;
    const auto gas = ReadGasOptions(parsed, error);
    if (!gas) return std::nullopt;
    r.gas = *gas;
    const auto office = ReadOfficeOption(parsed, error);
    if (!office) return std::nullopt;
    r.office = *office;
    r.out = parsed.Value("out");
    return r;
}

bool WritePage(const std::string& out, const ComparisonPage& page, const Translator* reader) {
    OffscreenApplication app;
    // As the window's print to a PDF printer: the same resolution.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    bool drawn = false;
    {
        QPdfWriter writer(&bytes);
        writer.setResolution(600);
        writer.setTitle(texts::Said(page.title, reader));
        drawn = PrintComparisonPage(writer, page, reader);
    }
    QString error = QStringLiteral("cannot draw the page");
    if (drawn && WriteOutputFile(out, bytes.data(), error, nullptr)) return true;
    Failure("compare", error.toStdString());
    return false;
}

ComparisonPage PageOf(const Comparison& c, const CompareRequest& r) {
    ComparisonPage page = c.fill ? ChargeComparisonPage(c.chargeRows, c.chargeDuty, r.cost, c.metric)
                                 : FlowComparisonPage(c.flowRows, c.flowDuty, r.cost, c.metric);
    page.office = r.office;
    return page;
}

// The models compared at the duty the selection read. The reasons and the
// page are written for people, so they follow --language; the table and
// the JSON around them stay English.
int Compare(const CompareRequest& r, const SelectionResult& run, const Translator* reader) {
    const Comparison comparison = CompareModels(run, r.models, r.cost, r.gas, reader);
    std::optional<ComparisonPage> page;
    if (!r.out.empty()) page = PageOf(comparison, r);
    switch (r.format) {
        case SelectionFormat::Table:
            std::printf("%s", AlignedTable(TableOf(comparison)).c_str());
            break;
        case SelectionFormat::Csv:
            std::printf("%s", CommaSeparated(TableOf(comparison), nullptr).c_str());
            break;
        case SelectionFormat::Json:
            std::printf("%s", ComparisonJson(comparison).c_str());
            break;
    }
    if (r.format != SelectionFormat::Json) SaySafetyNote("compare", r.gas);
    return !page || WritePage(r.out, *page, reader) ? ExitOk : ExitFailed;
}

int RunBatch(const CompareRequest& r, const Arguments& parsed, const Translator* reader) {
    const RunOptions run = RunOptionsOf(parsed, r.gas);
    const auto writer =
        CompareBatchWriter({r.command == &FillSelectionSpec, run.metric, r.models, r.cost, r.gas, r.format, reader});
    const int status = SizeBatch({"compare", *r.command, parsed, Options(), run, *writer}, stdout);
    if (status != ExitFailed && r.format != SelectionFormat::Json) SaySafetyNote("compare", r.gas);
    return status;
}

int Run(const Words& args, const Translator* reader) {
    std::string error;
    const auto parsed = ParseArguments(args, Options(), error);
    const auto request = parsed ? CheckUsage(*parsed, error) : std::nullopt;
    if (!request) return Failure("compare", error);
    if (parsed->Has("batch")) return RunBatch(*request, *parsed, reader);
    std::vector<std::string> texts;
    for (const FieldOption& f : request->command->fields) texts.push_back(parsed->Value(f.name));
    StderrNotices notices(!parsed->Has("no-equalise"));
    Session session;
    const SelectionResult result =
        SelectFromTexts(*request->command, texts, RunOptionsOf(*parsed, request->gas), session, notices);
    if (!result.Completed()) {
        if (result.stop == SelectionStop::EntryInvalid) Failure("compare", English(result.message));
        PrintStoppedSelection(KindOf(result, request->gas), StopMessage(result, notices.LastMessage()),
                              request->format);
        return ExitFailed;
    }
    return Compare(*request, result, reader);
}

}  // namespace

const Command CompareCommand = {"compare", "models side by side, with running cost and why one is not listed", Run,
                                Help};

}  // namespace zorvik::cli
