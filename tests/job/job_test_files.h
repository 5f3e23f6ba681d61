#pragma once
// What the job tests share: a scratch folder that goes away with the test,
// whole files as bytes, and job files nobody should give the program with
// the message each must get. The hostile command-line test feeds the same
// files to zorvik-select.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "text.h"

namespace zorvik::testing {

class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("zorvik-job-test-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // The names of every file in the folder, hidden ones too.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline std::string Bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

// A file of one item; `item` is its JSON object.
inline std::string FileWithItem(const std::string& item) {
    return R"({"format": "zorvik-job", "version": 1, "job": {"name": "J"}, "items": [)" + item + "]}";
}

inline const std::string kFlowItem =
    R"({"tag": "B-101", "application": "flow", "model": 6,)"
    R"( "duty": {"drive": "100", "air": "100", "inlet": "100", "outlet": "200", "flow": "2"}})";

inline std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

struct BadJobFile {
    const char* what;
    std::string bytes;
    std::string message;  // the whole message, or its start when it ends in "..."
};

inline std::vector<BadJobFile> BadJobFiles() {
    const std::string item = kFlowItem;
    // clang-format off
    return {
        {"empty", "", "The file is empty."},
        {"not JSON", R"({"format": "zorvik-job" "version": 1})", "The file is not JSON: line 1, column 33: syntax error while parsing object - unexpected string literal; expected '}'."},
        {"cut short", "{\"format\": \"zorvik-job\",\n \"items\": [", "The file is cut short: it ends at line 2, column 12 before its JSON is complete."},
        {"not UTF-8", "{\"format\": \"zorvik-job\",\n \"x\": \"\xE9t\xE9\"}", "The file is not UTF-8 text: the byte at line 2, column 8 is no UTF-8 character."},
        {"UTF-16", std::string("\xFF\xFE{\0}\0", 6), "The file is not UTF-8 text: the byte at line 1, column 1 is no UTF-8 character."},
        {"no object", "[1, 2]", "The file must be a JSON object."},
        {"a key twice", R"({"format": "zorvik-job", "version": 1, "version": 1})", "The file names the key \"version\" twice in one object."},
        {"an item's key twice", FileWithItem(Replaced(item, R"("model": 6,)", R"("model": 6, "model": 7,)")), "The file names the key \"model\" twice in one object."},
        {"no format", R"({"version": 1})", "The file is not a Zorvik job file: it has no \"format\": \"zorvik-job\"."},
        {"wrong format", R"({"format": "zorvik-jobs"})", "The file is not a Zorvik job file: its \"format\" is \"zorvik-jobs\", not \"zorvik-job\"."},
        {"newer version", R"({"format": "zorvik-job", "version": 2, "program_version": "3.0"})", "The file was written by a newer version of the program (\"3.0\"): it is job file version 2, and this version reads version 1."},
        {"version 0", R"({"format": "zorvik-job", "version": 0})", "The file: \"version\" must be a whole number, 1 or more."},
        {"model 16", FileWithItem(Replaced(item, "\"model\": 6", "\"model\": 16")), "Item 1 (\"B-101\"): model 16 is not one of the models 1 to 15."},
        {"model 0", FileWithItem(Replaced(item, "\"model\": 6", "\"model\": 0")), "Item 1 (\"B-101\"): model 0 is not one of the models 1 to 15."},
        {"model 2.5", FileWithItem(Replaced(item, "\"model\": 6", "\"model\": 2.5")), "Item 1 (\"B-101\"): model 2.5 is not one of the models 1 to 15."},
        {"model as text", FileWithItem(Replaced(item, "\"model\": 6", "\"model\": \"6\"")), "Item 1 (\"B-101\"): model \"6\" is not one of the models 1 to 15."},
        {"quantity 0", FileWithItem(Replaced(item, "\"model\"", "\"quantity\": 0, \"model\"")), "Item 1 (\"B-101\"): \"quantity\" must be a whole number from 1 to 99999."},
        {"quantity too large", FileWithItem(Replaced(item, "\"model\"", "\"quantity\": 1e400, \"model\"")), "The file holds a number too large for the program: number overflow parsing '1e400'."},
        {"unknown application", FileWithItem(Replaced(item, "\"flow\",", "\"pump\",")), "Item 1 (\"B-101\"): \"application\" must be \"flow\" or \"fill\"."},
        {"no tag", FileWithItem(Replaced(item, "\"tag\": \"B-101\",", "")), "Item 1: \"tag\" is missing."},
        {"a number typed as a number", FileWithItem(Replaced(item, "\"drive\": \"100\"", "\"drive\": 100")), "Item 1 (\"B-101\"), duty: \"drive\" must be a text."},
        {"no outlet", FileWithItem(Replaced(item, "\"outlet\": \"200\", ", "")), "Item 1 (\"B-101\"), duty: \"outlet\" is missing."},
        {"a fill field in a flow duty", FileWithItem(Replaced(item, "\"flow\": \"2\"", "\"flow\": \"2\", \"initial\": \"5\"")), "Item 1 (\"B-101\"), duty: \"initial\" is not a key this version of the program knows."},
        {"an unknown key", FileWithItem(Replaced(item, "\"model\"", "\"gas\": \"N2\", \"model\"")), "Item 1 (\"B-101\"): \"gas\" is not a key this version of the program knows."},
        {"unknown units", FileWithItem(Replaced(item, "\"drive\"", "\"units\": \"SI\", \"drive\"")), "Item 1 (\"B-101\"), duty: \"units\" must be \"imperial\" or \"metric\"."},
        {"a negative price", R"({"format": "zorvik-job", "version": 1, "job": {"cost": {"price_per_kwh": -1}}, "items": []})", "The job, cost: \"price_per_kwh\" must be a number, 0 or more."},
        {"a figure as text", FileWithItem(Replaced(item, "\"duty\"", "\"figures\": {\"flow_scfm\": \"3\"}, \"duty\"")), "Item 1 (\"B-101\"), figures: \"flow_scfm\" must be a number or true or false."},
        {"items no list", R"({"format": "zorvik-job", "version": 1, "job": {}, "items": {}})", "The file: \"items\" must be a list."},
        {"nested deep", std::string(100000, '['), "The file nests its values too deeply to be a job file."},
        {"a long tag with a line end", FileWithItem(Replaced(Replaced(item, "B-101", "\\n" + std::string(1000, 'x')), "\"model\": 6", "\"model\": 99")), "Item 1 (\"\\n" + std::string(39, 'x') + "...\"): model 99 is not one of the models 1 to 15."},
        {"over 16 MiB", std::string(17 * 1024 * 1024, ' '), "The file is 17.0 MiB; a job file is at most 16 MiB."},
    };
    // clang-format on
}

// The message matches: whole, or its start when `expected` ends in "...".
inline bool MessageMatches(const std::string& message, const std::string& expected) {
    if (expected.size() >= 3 && expected.ends_with("..."))
        return message.starts_with(expected.substr(0, expected.size() - 3));
    return message == expected;
}

inline bool MessageMatches(const Text& message, const std::string& expected) {
    return MessageMatches(English(message), expected);
}

}  // namespace zorvik::testing
