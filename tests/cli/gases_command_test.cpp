// End-to-end runs of the built zorvik-select gases: the list, one gas's
// state in both unit systems, and the refusals on stderr with exit 2.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/select_process.h"

namespace {

using zorvik::testing::Lines;
using zorvik::testing::RunSelect;

TEST(GasesCommandTest, ListsEveryGasOnce) {
    const auto outcome = RunSelect({"gases"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const std::vector<std::string> lines = Lines(outcome.out);
    ASSERT_EQ(lines.size(), 9u) << outcome.out;
    const char* names[] = {"air", "nitrogen", "oxygen", "argon", "helium", "carbon-dioxide", "hydrogen", "methane"};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(lines[i + 1].rfind(std::string(names[i]) + " ", 0), 0u) << lines[i + 1];
}

TEST(GasesCommandTest, StateAndRefusals) {
    const struct {
        std::vector<std::string> words;
        int status;
        const char* out;  // a part of stdout
        const char* err;  // a part of stderr
    } cases[] = {
        {{"gases", "--gas", "hydrogen", "--pressure", "5061", "--temperature", "15", "--format", "json"},
         0,
         "\"density_kg_m3\": 23.99",
         ""},
        {{"gases", "--gas", "hydrogen", "--pressure", "349", "--temperature", "15", "--metric", "--format", "json"},
         0,
         "\"pressure_barg\": 349, \"temperature_c\": 15, \"density_kg_m3\": 23.99",
         ""},
        {{"gases", "--gas", "nitrogen", "--pressure", "0", "--temperature", "20"}, 0, "compressibility   0.99", ""},
        {{"gases", "--gas", "carbon-dioxide", "--pressure", "1000", "--temperature", "20"},
         2,
         "",
         "Carbon dioxide is liquid or two-phase"},
        {{"gases", "--gas", "air", "--pressure", "20000", "--temperature", "20"}, 2, "", "is outside it"},
        {{"gases", "--gas", "air", "--pressure", "100"}, 2, "", "--gas needs --pressure and --temperature"},
        {{"gases", "--gas", "xenon", "--pressure", "1", "--temperature", "1"}, 2, "", "unknown gas \"xenon\""},
        {{"gases", "--gas", "air", "--pressure", "1e", "--temperature", "1"}, 2, "", "must be numbers"},
    };
    for (const auto& c : cases) {
        const auto outcome = RunSelect(c.words);
        EXPECT_EQ(outcome.status, c.status) << outcome.err;
        EXPECT_NE(outcome.out.find(c.out), std::string::npos) << outcome.out;
        EXPECT_NE(outcome.err.find(c.err), std::string::npos) << outcome.err;
        EXPECT_EQ(c.status == 0 ? outcome.err : outcome.out, "") << "a success writes nothing to stderr";
    }
}

}  // namespace
