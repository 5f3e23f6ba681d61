// Reading a batch file as spreadsheets write it: columns by name in any
// order and letter case, three separators, quoted cells (line breaks too),
// carried columns, decimal commas, and lines or headers that cannot be used.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "batch_file.h"

namespace zorvik {
namespace {

using Texts = std::vector<std::string>;

const Texts kNames = {"drive", "air", "inlet"};

struct ExpectedCase {
    int line;
    Texts values;
    Texts carried;
    std::string error;
};

TEST(BatchFileTest, FilesAsSpreadsheetsWriteThem) {
    const struct {
        const char* text;
        char separator;
        Texts carried;
        std::vector<ExpectedCase> cases;
    } files[] = {
        {"inlet, drive,air\r\n100,90,50\n\n \"1,5\" ,80,\"4\"\"\"\n60,70\n",
         ',',
         {},
         {{2, {"90", "50", "100"}, {}, ""},
          {4, {"80", "4\"", "1,5"}, {}, ""},
          {5, {}, {}, "Line 5 has 2 values; the header names 3"}}},
        {"\xEF\xBB\xBF"
         "Drive;AIR;Customer ref;Inlet\r\n90;2,5;\"A;17\";100\r\n",
         ';',
         {"Customer ref"},
         {{2, {"90", "2.5", "100"}, {"A;17"}, ""}}},
        {"sep=;\ndrive;x,y;air;inlet\n1;2;3;4\n;;;\n\"\";;;\r\n", ';', {"x,y"}, {{3, {"1", "3", "4"}, {"2"}, ""}}},
        {"Ref\tdrive\tair\tinlet\t\n\"two\nlines\"\t90\t0,5\t100\t\nB\t1\t2\n",
         '\t',
         {"Ref"},
         {{2, {"90", "0.5", "100"}, {"two\nlines"}, ""}, {4, {}, {}, "Line 4 has 3 values; the header names 5"}}},
        {"drive,air,inlet,note\n1,2,3,\"open\n4,5,6,7\n",
         ',',
         {"note"},
         {{2, {}, {}, "Line 2 opens a quote that is never closed"}}},
    };
    for (const auto& f : files) {
        std::istringstream in(f.text);
        BatchReader reader(in, kNames);
        SCOPED_TRACE(f.text);
        ASSERT_EQ(reader.HeaderError(), "");
        EXPECT_EQ(reader.Separator(), f.separator);
        EXPECT_EQ(reader.CarriedColumns(), f.carried);
        std::size_t i = 0;
        for (BatchCase c; reader.Next(c); ++i) {
            ASSERT_LT(i, f.cases.size());
            EXPECT_EQ(c.line, f.cases[i].line);
            EXPECT_EQ(c.values, f.cases[i].values);
            EXPECT_EQ(c.carried, f.cases[i].carried);
            EXPECT_EQ(c.error, f.cases[i].error);
        }
        EXPECT_EQ(i, f.cases.size());
    }
}

// A number is never read as a thousandth of itself, nor a thousand times.
TEST(BatchFileTest, NumberCellsBySeparator) {
    const struct {
        const char* cell;
        char separator;
        const char* text;  // empty: refused
    } cases[] = {
        {"2,5", ';', "2.5"},
        {"2.5", ';', "2.5"},
        {"1.500", ';', ""},
        {"1,500", ';', "1.500"},
        {"0.500", ';', "0.500"},
        {"-1.000", ';', ""},
        {"1.000,5", ';', "1.000,5"},
        {"1,500", '\t', ""},
        {"1.500", '\t', ""},
        {"12,5", '\t', "12.5"},
        {"1234.567", '\t', "1234.567"},
        {"1,500", ',', "1,500"},
        {"1.500", ',', "1.500"},
        {"abc", ';', "abc"},
    };
    for (const auto& c : cases) {
        std::string error;
        const std::string text = NumberCell(c.cell, c.separator, "drive", error);
        EXPECT_EQ(text, c.text) << c.cell << " '" << c.separator << "'";
        EXPECT_EQ(error.empty(), *c.text != '\0') << c.cell << " '" << c.separator << "'";
    }
}

TEST(BatchFileTest, HeaderThatCannotBeUsed) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "the file has no header line"},
        {"sep=;\n\n", "the file has no header line"},
        {"drive,air,DRIVE,inlet\n", "the header names \"drive\" twice"},
        {"air\n", "the header lacks drive, inlet"},
        {"drive;air;\"inlet\n", "the header opens a quote that is never closed"},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.text);
        EXPECT_EQ(BatchReader(in, kNames).HeaderError(), c.error) << c.text;
    }
}

// A stream with no line end (a device, a binary file) is refused at the
// longest line, and nothing after it is read.
TEST(BatchFileTest, ALineWithoutEndIsRefusedAtTheLimit) {
    const std::string endless(MaxBatchLineBytes + 1, '0');
    const std::string tooLong = " is longer than " + std::to_string(MaxBatchLineBytes) + " bytes";
    const struct {
        std::string text;
        std::string headerError;
        std::vector<std::string> errors;  // of the cases read, in order
    } files[] = {
        {endless, "the header line" + tooLong, {}},
        {"sep=;\n" + endless, "the header line" + tooLong, {}},
        {"drive,air,inlet\n1,2,3\n" + endless + "\n4,5,6\n",
         "",
         {"", "Line 3" + tooLong + "; the file is read no further"}},
        {"drive,air,inlet\n\"" + endless + "\n", "", {"Line 2" + tooLong + "; the file is read no further"}},
        {"drive,air,inlet\n" + std::string(MaxBatchLineBytes - 5, ' ') + "1,2,3\n", "", {""}},
    };
    for (const auto& f : files) {
        std::istringstream in(f.text);
        BatchReader reader(in, kNames);
        EXPECT_EQ(reader.HeaderError(), f.headerError) << f.text.substr(0, 30);
        std::vector<std::string> errors;
        for (BatchCase c; f.headerError.empty() && reader.Next(c);) errors.push_back(c.error);
        EXPECT_EQ(errors, f.errors) << f.text.substr(0, 30);
    }
}

}  // namespace
}  // namespace zorvik
