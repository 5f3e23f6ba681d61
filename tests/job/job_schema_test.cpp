// The published schema and the reader agree, file by file: what the schema
// accepts the program opens, what it refuses the program refuses.

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <nlohmann/json.hpp>
#include <set>
#include <string>

#include "job_file.h"
#include "job_test_files.h"

namespace zorvik::job {
namespace {

using Json = nlohmann::ordered_json;
using testing::ScratchFolder;
using testing::WriteBytes;

Json FlowFile() {
    return Json::parse(R"({"format": "zorvik-job", "version": 1, "job": {"name": "J"}, "items": [
        {"tag": "B-1", "application": "flow", "model": 6,
         "duty": {"drive": "100", "air": "100", "inlet": "100", "outlet": "200", "flow": "2"}}]})");
}

Json FillFile() {
    return Json::parse(R"({"format": "zorvik-job", "version": 1, "job": {}, "items": [
        {"tag": "V-1", "application": "fill",
         "duty": {"drive": "100", "air": "100", "inlet": "100", "initial": "100", "final": "200",
                  "capacity": "2"}}]})");
}

// The names of the files in `folder` the schema refuses.
std::set<std::string> RefusedBySchema(const ScratchFolder& folder) {
    const std::string command = "python3 " ZORVIK_SOURCE_DIR "/tests/job/validate_job_file.py " ZORVIK_SOURCE_DIR
                                "/doc/job-format.schema.json '" +
                                (folder / "").string() + "'*.zjob 2>/dev/null";
    std::set<std::string> names;
    FILE* out = popen(command.c_str(), "r");
    if (out == nullptr) return names;
    char line[4096];
    while (std::fgets(line, sizeof line, out) != nullptr) {
        std::string name(line);
        if (!name.empty() && name.back() == '\n') name.pop_back();
        names.insert(std::filesystem::path(name).filename().string());
    }
    pclose(out);
    return names;
}

TEST(JobSchemaTest, TheSchemaAndTheReaderAgree) {
    using Change = std::function<void(Json&)>;
    const auto item = [](Json& f) -> Json& { return f["items"][0]; };
    const auto duty = [item](Json& f) -> Json& { return item(f)["duty"]; };
    // clang-format off
    const struct { const char* file; bool opens; Json (*base)(); Change change; } cases[] = {
        {"a flow",                          true,  FlowFile, [](Json&) {}},
        {"a fill",                          true,  FillFile, [](Json&) {}},
        {"an unknown gas",                  true,  FlowFile, [duty](Json& f) { duty(f)["gas"] = "xenon"; }},
        {"null header texts and cost",      true,  FlowFile, [](Json& f) { f["program_version"] = nullptr; f["job"] = {{"name", nullptr}, {"cost", nullptr}}; }},
        {"null cost figures",               true,  FlowFile, [](Json& f) { f["job"]["cost"] = {{"hours_per_year", nullptr}, {"inlet_is_plant_air", nullptr}}; }},
        {"null item keys",                  true,  FlowFile, [item](Json& f) { item(f)["quantity"] = item(f)["model"] = item(f)["notes"] = item(f)["figures"] = nullptr; }},
        {"null duty keys",                  true,  FillFile, [duty](Json& f) { duty(f)["units"] = duty(f)["gas"] = duty(f)["real_gas"] = duty(f)["gas_temperature"] = nullptr; }},
        {"inlet left out, from the drive",  true,  FlowFile, [duty](Json& f) { duty(f).erase("inlet"); duty(f)["inlet_equals_drive"] = true; }},
        {"whole numbers written 6.0",       true,  FlowFile, [item](Json& f) { item(f)["model"] = 6.0; item(f)["quantity"] = 2.0; }},
        {"a null figure",                   true,  FlowFile, [item](Json& f) { item(f)["figures"] = {{"problem", nullptr}, {"flow_scfm", nullptr}}; }},
        {"a null tag",                      false, FlowFile, [item](Json& f) { item(f)["tag"] = nullptr; }},
        {"a null drive",                    false, FlowFile, [duty](Json& f) { duty(f)["drive"] = nullptr; }},
        {"a null inlet, not from drive",    false, FlowFile, [duty](Json& f) { duty(f)["inlet"] = nullptr; }},
        {"a null application",              false, FlowFile, [item](Json& f) { item(f)["application"] = nullptr; }},
        {"a null job",                      false, FlowFile, [](Json& f) { f["job"] = nullptr; }},
        {"a newer version",                 false, FlowFile, [](Json& f) { f["version"] = 2; }},
        {"a quantity with a fraction",      false, FlowFile, [item](Json& f) { item(f)["quantity"] = 6.5; }},
        {"no quantity at all",              false, FlowFile, [item](Json& f) { item(f)["quantity"] = 0; }},
        {"a model past the range",          false, FlowFile, [item](Json& f) { item(f)["model"] = 16; }},
        {"unknown units",                   false, FlowFile, [duty](Json& f) { duty(f)["units"] = "si"; }},
        {"a fill key in a flow",            false, FlowFile, [duty](Json& f) { duty(f)["capacity"] = "2"; }},
        {"an unknown key",                  false, FlowFile, [](Json& f) { f["colour"] = "red"; }},
        {"a gas that is no text",           false, FlowFile, [duty](Json& f) { duty(f)["gas"] = 5; }},
        {"a typed number that is a number", false, FlowFile, [duty](Json& f) { duty(f)["flow"] = 2; }},
        {"hours past a year",               false, FlowFile, [](Json& f) { f["job"]["cost"] = {{"hours_per_year", 9000}}; }},
        {"a figure that is a text",         false, FlowFile, [item](Json& f) { item(f)["figures"] = {{"flow_scfm", "2"}}; }},
    };
    // clang-format on
    ScratchFolder folder;
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        Json file = cases[n].base();
        cases[n].change(file);
        WriteBytes(folder / (std::to_string(n) + ".zjob"), file.dump(2));
    }
    const std::set<std::string> refused = RefusedBySchema(folder);
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        const std::string name = std::to_string(n) + ".zjob";
        const OpenedJob opened = OpenJobFile(folder / name);
        EXPECT_EQ(opened.job.has_value(), cases[n].opens) << cases[n].file << ": " << opened.error;
        EXPECT_EQ(refused.count(name) == 0, cases[n].opens) << cases[n].file << ": the schema disagrees";
    }
}

}  // namespace
}  // namespace zorvik::job
