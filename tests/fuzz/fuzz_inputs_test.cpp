// Every saved fuzz input goes through its target's check again: the corpus
// keeps the ground the fuzzer covered, and fuzz/regressions/ keeps each
// input that once crashed or broke a property, after its fault was mended.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

#include "fuzz/checks/check.h"
#include "fuzz/checks/fuzz_checks.h"

namespace zorvik::fuzz {
namespace {

std::string Bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

// Names the target in the test's listing instead of dumping its bytes.
void PrintTo(const FuzzTarget& target, std::ostream* out) { *out << target.name; }

namespace {

class SavedFuzzInputs : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(SavedFuzzInputs, StillHoldEveryProperty) {
    const FuzzTarget target = GetParam();
    const std::filesystem::path root(ZORVIK_FUZZ_DIR);
    int replayed = 0;
    for (const char* kind : {"corpus", "regressions"}) {
        const auto folder = root / kind / target.name;
        if (!std::filesystem::is_directory(folder)) continue;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (!entry.is_regular_file()) continue;
            ++replayed;
            try {
                target.check(Bytes(entry.path()));
            } catch (const CheckFailed& failed) {
                ADD_FAILURE() << entry.path().string() << ": " << failed.what();
            }
        }
    }
    EXPECT_GT(replayed, 0) << "no saved inputs for " << target.name;
}

INSTANTIATE_TEST_SUITE_P(Fuzz, SavedFuzzInputs, ::testing::ValuesIn(FuzzTargets),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorvik::fuzz
