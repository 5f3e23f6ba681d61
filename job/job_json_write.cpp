#include <nlohmann/json.hpp>

#include "job_json.h"

namespace zorvik::job {
namespace {

using Json = nlohmann::ordered_json;

Json CostJson(const CostSettings& cost) {
    return {{"kw_per_100scfm", cost.kwPer100Scfm},
            {"hours_per_year", cost.hoursPerYear},
            {"price_per_kwh", cost.pricePerKwh},
            {"inlet_is_plant_air", cost.inletIsPlantAir}};
}

Json HeaderJson(const JobHeader& h) {
    return {{"name", h.name},         {"customer", h.customer}, {"reference", h.reference},
            {"engineer", h.engineer}, {"revision", h.revision}, {"date", h.date},
            {"notes", h.notes},       {"office", h.office},     {"cost", CostJson(h.cost)}};
}

// Only the fields of the item's application.
Json DutyJson(Application application, const ItemDuty& d) {
    Json duty = {{"units", UnitSystemName(d.units)}, {"drive", d.drive}, {"air", d.air}, {"inlet", d.inlet}};
    duty["inlet_equals_drive"] = d.inletEqualsDrive;
    if (application == Application::Flow) {
        duty["outlet"] = d.outlet;
        duty["flow"] = d.flow;
        duty["ignore_flow"] = d.ignoreFlow;
        if (d.inletIsPlantAir) duty["inlet_is_plant_air"] = *d.inletIsPlantAir;
    } else {
        duty["initial"] = d.initial;
        duty["final"] = d.final;
        duty["capacity"] = d.capacity;
    }
    duty["ignore_air"] = d.ignoreAir;
    duty["gas"] = d.gas;
    duty["gas_temperature"] = d.gasTemperature;
    duty["temperature_limit"] = d.temperatureLimit;
    if (application == Application::Fill) duty["real_gas"] = d.realGas;
    return duty;
}

Json FiguresJson(const ItemFigures& f) {
    Json figures = Json::object();
    if (!f.refused.empty()) figures["refused"] = f.refused;
    for (const auto& [name, value] : f.numbers) figures[name] = value;
    for (const auto& [name, value] : f.flags) figures[name] = value;
    return figures;
}

Json ItemJson(const JobItem& item) {
    Json json = {{"tag", item.tag},
                 {"quantity", item.quantity},
                 {"application", ApplicationName(item.application)},
                 {"model", item.model ? Json(*item.model) : Json(nullptr)},
                 {"notes", item.notes},
                 {"duty", DutyJson(item.application, item.duty)}};
    if (item.savedFigures) json["figures"] = FiguresJson(*item.savedFigures);
    return json;
}

}  // namespace

std::string JobFileText(const Job& job, std::uintmax_t limit) {
    Json items = Json::array();
    for (const JobItem& item : job.items) items.push_back(ItemJson(item));
    const Json file = {{"format", JobFormatName},
                       {"version", JobFormatVersion},
                       {"program_version", job.savedByVersion},
                       {"job", HeaderJson(job.header)},
                       {"items", std::move(items)}};
    std::string text = file.dump(2) + "\n";
    return text.size() <= limit ? text : file.dump() + "\n";
}

}  // namespace zorvik::job
