// Reading a batch file: columns by name in any order, quoted cells, blank
// lines, and lines or headers that cannot be used.

#include <gtest/gtest.h>

#include <sstream>

#include "batch_file.h"

namespace zorvik {
namespace {

const std::vector<std::string> kNames = {"drive", "air", "inlet"};

std::vector<BatchCase> ReadAll(BatchReader& reader) {
    std::vector<BatchCase> cases;
    for (BatchCase c; reader.Next(c);) cases.push_back(c);
    return cases;
}

TEST(BatchFileTest, ColumnsByNameLinesByNumber) {
    std::istringstream in("inlet, drive,air\r\n100,90,50\n\n \"1,5\" ,80,\"4\"\"\"\n60,70\n");
    BatchReader reader(in, kNames);
    ASSERT_EQ(reader.HeaderError(), "");
    const std::vector<BatchCase> cases = ReadAll(reader);
    ASSERT_EQ(cases.size(), 3u);
    EXPECT_EQ(cases[0].line, 2);
    EXPECT_EQ(cases[0].values, (std::vector<std::string>{"90", "50", "100"}));
    EXPECT_EQ(cases[1].line, 4);
    EXPECT_EQ(cases[1].values, (std::vector<std::string>{"80", "4\"", "1,5"}));
    EXPECT_EQ(cases[2].line, 5);
    EXPECT_TRUE(cases[2].values.empty());
    EXPECT_EQ(cases[2].error, "Line 5 has 2 values; the header names 3");
}

TEST(BatchFileTest, HeaderThatCannotBeUsed) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "the file has no header line"},
        {"drive,air,inlet,flow\n", "the header names an unknown column \"flow\""},
        {"drive,air,drive,inlet\n", "the header names \"drive\" twice"},
        {"air\n", "the header lacks drive, inlet"},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.text);
        EXPECT_EQ(BatchReader(in, kNames).HeaderError(), c.error) << c.text;
    }
}

}  // namespace
}  // namespace zorvik
