#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "catalogue.h"
#include "fixed_format.h"
#include "job_json.h"
#include "json_fields.h"
#include "text_checks.h"
#include "text.h"

namespace zorvik::job {
namespace {

using Json = nlohmann::ordered_json;

// A job file nests four deep (file, items, item, duty); a file nesting far
// deeper is no job file and would only cost memory to build.
constexpr int kMaxDepth = 16;

CostSettings ReadCost(JsonFields& job) {
    CostSettings cost;
    const Json* value = job.Find("cost");
    if (value == nullptr) return cost;
    JsonFields f(*value, job.Place() + ", cost");
    cost.kwPer100Scfm = f.NonNegative("kw_per_100scfm", cost.kwPer100Scfm, MaxKwPer100Scfm);
    cost.hoursPerYear = f.NonNegative("hours_per_year", cost.hoursPerYear, MaxHoursPerYear);
    cost.pricePerKwh = f.NonNegative("price_per_kwh", cost.pricePerKwh, MaxPricePerKwh);
    cost.inletIsPlantAir = f.Flag("inlet_is_plant_air", cost.inletIsPlantAir);
    f.Done();
    return cost;
}

JobHeader ReadHeader(const Json& value) {
    JsonFields f(value, Tr("Jobs", "The job"));
    JobHeader h;
    h.name = f.String("name", "");
    h.customer = f.String("customer", "");
    h.reference = f.String("reference", "");
    h.engineer = f.String("engineer", "");
    h.revision = f.String("revision", "");
    h.date = f.String("date", "");
    h.notes = f.String("notes", "");
    h.office = f.String("office", "");
    h.cost = ReadCost(f);
    f.Done();
    return h;
}

Application ReadApplication(JsonFields& item) {
    const std::string name = item.String("application");
    if (name == "flow") return Application::Flow;
    if (name == "fill") return Application::Fill;
    item.Fail("application", Tr("Jobs", "must be \"flow\" or \"fill\""));
}

// The texts are kept as typed; whether the window would take them is for
// the item's figures to say.
ItemDuty ReadTypedDuty(const Json& value, Application application, const Text& place) {
    JsonFields f(value, place + ", duty");
    ItemDuty d;
    const std::string units = f.String("units", UnitSystemName(d.units));
    if (units != "imperial" && units != "metric") f.Fail("units", Tr("Jobs", "must be \"imperial\" or \"metric\""));
    d.units = units == "metric" ? UnitSystem::Metric : UnitSystem::Imperial;
    d.drive = f.String("drive");
    d.air = f.String("air");
    d.inletEqualsDrive = f.Flag("inlet_equals_drive", false);
    d.inlet = d.inletEqualsDrive ? f.String("inlet", d.drive) : f.String("inlet");
    if (application == Application::Flow) {
        d.outlet = f.String("outlet");
        d.flow = f.String("flow");
        d.ignoreFlow = f.Flag("ignore_flow", false);
        if (f.Find("inlet_is_plant_air") != nullptr) d.inletIsPlantAir = f.Flag("inlet_is_plant_air", false);
    } else {
        d.initial = f.String("initial");
        d.final = f.String("final");
        d.capacity = f.String("capacity");
    }
    d.ignoreAir = f.Flag("ignore_air", false);
    // A job written before gases were kept boosts air at 20 degC.
    d.gas = f.String("gas", d.gas);
    d.gasTemperature = f.String("gas_temperature", d.gasTemperature);
    d.temperatureLimit = f.String("temperature_limit", d.temperatureLimit);
    if (application == Application::Fill) d.realGas = f.Flag("real_gas", false);
    f.Done();
    return d;
}

// Files before the codes kept the English sentence that stopped a duty
// ("outlet: -5 is not valid value", "Drive air pressure is too high!"):
// its code, so an old file is not reported changed for its wording.
std::string RefusedOfSentence(const std::string& sentence) {
    if (sentence.empty()) return {};
    for (int f = static_cast<int>(TypedField::Drive); f <= static_cast<int>(TypedField::TemperatureLimit); ++f) {
        const std::string name = TypedFieldName(static_cast<TypedField>(f));
        if (sentence.rfind(name + ": ", 0) == 0) return name;
    }
    for (int c = static_cast<int>(DutyCheck::FlowZero); c <= static_cast<int>(DutyCheck::FinalAboveGasModel); ++c)
        if (sentence == English(DutyCheckText(static_cast<DutyCheck>(c))))
            return DutyCheckName(static_cast<DutyCheck>(c));
    return "other";
}

ItemFigures ReadFigures(const Json& value, const Text& place) {
    JsonFields f(value, place + ", figures");
    ItemFigures figures;
    figures.refused = f.String("refused", RefusedOfSentence(f.String("problem", "")));
    for (const auto& [name, figure] : value.items()) {
        if (name == "problem" || name == "refused" || f.Find(name) == nullptr) continue;
        if (figure.is_boolean())
            figures.flags[name] = figure.get<bool>();
        else if (figure.is_number())
            figures.numbers[name] = figure.get<double>();
        else
            f.Fail(name, Tr("Jobs", "must be a number or true or false"));
    }
    return figures;
}

JobItem ReadItem(const Json& value, std::size_t index) {
    const Text number = Tr("Jobs", "Item %1").With({WholeNumber(index + 1)});
    JsonFields named(value, number);
    JobItem item;
    item.tag = named.String("tag");
    named.SetPlace(Tr("Jobs", "%1 (%2)").With({number, Quoted(item.tag)}));
    item.quantity = named.Whole("quantity", MinQuantity, MaxQuantity, 1);
    item.application = ReadApplication(named);
    if (const Json* model = named.Find("model")) {
        if (!IsWholeNumber(*model) || model->get<double>() < 1 || model->get<double>() > PumpCount)
            throw FileFault(Tr("Jobs", "%1: model %2 is not one of the models 1 to %3.")
                                .With({named.Place(), model->dump(), WholeNumber(PumpCount)}));
        item.model = static_cast<int>(model->get<double>());
    }
    item.notes = named.String("notes", "");
    item.duty = ReadTypedDuty(named.Require("duty"), item.application, named.Place());
    if (const Json* figures = named.Find("figures")) item.savedFigures = ReadFigures(*figures, named.Place());
    named.Done();
    return item;
}

void CheckFormat(JsonFields& file) {
    const Json* format = file.Find("format");
    if (format == nullptr || !format->is_string())
        throw FileFault(Tr("Jobs", "The file is not a Zorvik job file: it has no \"format\": \"zorvik-job\"."));
    if (*format != JobFormatName)
        throw FileFault(Tr("Jobs", "The file is not a Zorvik job file: its \"format\" is %1, not \"zorvik-job\".")
                            .With({Quoted(format->get<std::string>())}));
    const Json& version = file.Require("version");
    if (!IsWholeNumber(version) || version.get<double>() < 1)
        file.Fail("version", Tr("Jobs", "must be a whole number, 1 or more"));
    if (version.get<double>() > JobFormatVersion) {
        const Json* program = file.Find("program_version");
        const std::string by =
            program != nullptr && program->is_string() ? " (" + Quoted(program->get<std::string>()) + ")" : "";
        throw FileFault(Tr("Jobs",
                           "The file was written by a newer version of the program%1: it is job file version "
                           "%2, and this version reads version %3.")
                            .With({by, version.dump(), WholeNumber(JobFormatVersion)}));
    }
}

Job ReadJob(const Json& root) {
    JsonFields file(root, Tr("Jobs", "The file"));
    CheckFormat(file);
    Job job;
    job.savedByVersion = file.String("program_version", "");
    job.header = ReadHeader(file.Require("job"));
    const Json& items = file.Require("items");
    if (!items.is_array()) file.Fail("items", Tr("Jobs", "must be a list"));
    for (std::size_t i = 0; i < items.size(); ++i) job.items.push_back(ReadItem(items[i], i));
    file.Done();
    return job;
}

// nlohmann's message without its "[json.exception.parse_error.101] parse
// error at line L, column C: " prefix: the place is named from the offset.
std::string Reason(const std::string& what) {
    std::size_t start = what.find("] ");
    start = start == std::string::npos ? 0 : start + 2;
    if (what.compare(start, 12, "parse error ") == 0) {
        const std::size_t colon = what.find(": ", start);
        if (colon != std::string::npos) start = colon + 2;
    }
    return what.substr(start);
}

Json Parse(std::string_view bytes) {
    // The keys of each object open at the moment: a key given twice would
    // keep only its last value, and the next save would drop the first.
    std::vector<std::set<std::string>> keys;
    const auto check = [&keys](int level, Json::parse_event_t event, Json& parsed) {
        if (level > kMaxDepth) throw FileFault(Tr("Jobs", "The file nests its values too deeply to be a job file."));
        if (event == Json::parse_event_t::object_start) keys.emplace_back();
        if (event == Json::parse_event_t::object_end && !keys.empty()) keys.pop_back();
        if (event == Json::parse_event_t::key && !keys.empty() && !keys.back().insert(parsed.get<std::string>()).second)
            throw FileFault(
                Tr("Jobs", "The file names the key %1 twice in one object.").With({Quoted(parsed.get<std::string>())}));
        return true;
    };
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) throw FileFault(Tr("Jobs", "The file is empty."));
    try {
        return Json::parse(bytes, check);
    } catch (const Json::parse_error& e) {
        if (e.byte > bytes.size())
            throw FileFault(Tr("Jobs", "The file is cut short: it ends at %1 before its JSON is complete.")
                                .With({LineAndColumn(bytes, bytes.size())}));
        throw FileFault(
            Tr("Jobs", "The file is not JSON: %1: %2.").With({LineAndColumn(bytes, e.byte - 1), Reason(e.what())}));
    } catch (const Json::out_of_range& e) {
        throw FileFault(Tr("Jobs", "The file holds a number too large for the program: %1.").With({Reason(e.what())}));
    }
}

}  // namespace

JobParse ParseJobText(std::string_view bytes) {
    if (const auto bad = FirstInvalidUtf8(bytes))
        return {std::nullopt, Tr("Jobs", "The file is not UTF-8 text: the byte at %1 is no UTF-8 character.")
                                  .With({LineAndColumn(bytes, *bad)})};
    try {
        return {ReadJob(Parse(bytes)), {}};
    } catch (const FileFault& fault) {
        return {std::nullopt, fault.text};
    }
}

}  // namespace zorvik::job
