// Batch files as spreadsheets write them, run through the built
// zorvik-select: every point's rows are those of its single run, with the
// columns carried along; refused points make exit status 1 with their count.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/select_process.h"

namespace {

using Json = nlohmann::json;
using Outcome = zorvik::testing::SelectOutcome;
using Words = std::vector<std::string>;
using zorvik::testing::Lines;
using zorvik::testing::RunSelect;

Words With(Words words, const Words& more) {
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

const Words kPoint = {"--drive", "100", "--air", "100", "--inlet", "100", "--outlet", "200", "--flow", "2.5"};

// The same point as a German spreadsheet saves it (byte-order mark, ";",
// decimal comma, CRLF, a quoted reference holding the separator), as a tab
// file, and with an Excel "sep=" line.
const struct {
    const char* text;
    const char* line;  // of the point
} kFiles[] = {
    {"\xEF\xBB\xBF"
     "Drive;Air;Inlet;Outlet;Flow;Customer ref\r\n100;100;100;200;2,5;\"A;17\"\r\n",
     "2"},
    {"customer ref\tDRIVE\tair\tinlet\toutlet\tflow\nA;17\t100\t100\t100\t200\t2.5\n", "2"},
    {"sep=,\nflow,outlet,inlet,air,drive,Customer ref\n2.5,200,100,100,100,\"A;17\"\n", "3"},
};

TEST(BatchFilesTest, SpreadsheetFilesGiveTheSingleRunsRows) {
    const std::vector<std::string> single = Lines(RunSelect(With(With({"flow"}, kPoint), {"--format", "csv"})).out);
    for (const auto& file : kFiles) {
        SCOPED_TRACE(file.text);
        const Outcome batch = RunSelect({"flow", "--batch", "-", "--format", "csv"}, file.text);
        EXPECT_EQ(batch.status, 0) << batch.err;
        EXPECT_EQ(batch.err, "");
        const std::vector<std::string> lines = Lines(batch.out);
        ASSERT_EQ(lines.size(), single.size());
        EXPECT_EQ(lines[0].rfind("case,\"", 0), 0u);
        EXPECT_EQ(lines[0].substr(lines[0].find("\",") + 2), single[0] + ",message");
        for (std::size_t i = 1; i < single.size(); ++i)
            EXPECT_EQ(lines[i], file.line + std::string(",\"A;17\",") + single[i] + ",");
    }
}

// Each format carries the reference: a CSV column, a JSON "columns" object,
// the table's case heading.
TEST(BatchFilesTest, CarriedColumnsInEveryFormat) {
    const std::string file = "ref,drive,air,inlet,outlet,flow,site\nB-101,100,100,100,200,2,North\n";
    const Outcome table = RunSelect({"flow", "--batch", "-"}, file);
    EXPECT_EQ(Lines(table.out)[0], "Case 2  ref: B-101, site: North");
    const Json json = Json::parse(RunSelect({"flow", "--batch", "-", "--format", "json"}, file).out);
    EXPECT_EQ(json["cases"][0]["columns"], (Json{{"ref", "B-101"}, {"site", "North"}}));
    const Outcome compare = RunSelect({"compare", "--batch", "-", "--models", "6", "--format", "json"}, file);
    EXPECT_EQ(Json::parse(compare.out)["cases"][0]["columns"]["site"], "North");
}

TEST(BatchFilesTest, RefusedPointsGetTheirMessageAndExitStatusOne) {
    const Outcome o = RunSelect({"flow", "--batch", "-", "--format", "csv"},
                                "ref;drive;air;inlet;outlet;flow\n"
                                "a;100;100;100;200;2\n"
                                "b;-100;100;100;200;2\n"
                                "c;100;100;100;1.500;2\n"
                                "d;100;100\n"
                                "e;100;100;100;200;1000\n");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "zorvik-select flow: 3 of 5 points refused; each has its message in the output\n");
    const struct {
        const char* start;  // a line of the output starts so
    } lines[] = {
        {"3,\"b\",,,,,,\"drive: -100 is not a valid value\""},
        {"4,\"c\",,,,,,\"outlet: 1.500 could be read with or without a thousands separator"},
        {"5,,,,,,,\"Line 5 has 3 values; the header names 6\""},
        {"6,\"e\",,,,,,\"No selections. Nearest: "},
    };
    for (const auto& l : lines) {
        bool found = false;
        for (const std::string& line : Lines(o.out)) found = found || line.rfind(l.start, 0) == 0;
        EXPECT_TRUE(found) << l.start << "\n" << o.out;
    }
}

TEST(BatchFilesTest, FilesThatCannotBeUsed) {
    const struct {
        Words words;
        const char* file;
        const char* err;
    } cases[] = {
        {{"flow", "--batch", "-", "--gas", "nitrogen"},
         "drive,air,inlet,outlet,flow,Gas\n100,100,100,200,2,hydrogen\n",
         "zorvik-select flow: the column \"Gas\" is an option of the command line: give --gas there, for every "
         "point\n"},
        {{"compare", "--batch", "-"}, "drive,air\n", "zorvik-select compare: the header lacks inlet, outlet, flow\n"},
        {{"compare", "--batch", "-", "--drive", "100"},
         "",
         "zorvik-select compare: --drive comes from the batch file, not the command line\n"},
        {{"compare", "--batch", "-", "--out", "page.pdf"},
         "",
         "zorvik-select compare: --out writes the page of one comparison, not of a --batch\n"},
    };
    for (const auto& c : cases) {
        const Outcome o = RunSelect(c.words, c.file);
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.err, c.err);
        EXPECT_EQ(o.out, "");
    }
}

// compare --batch: each case's rows are the single comparison's, in every
// application; a point that cannot be read gets its message.
TEST(BatchFilesTest, CompareBatchIsEachPointsComparison) {
    const struct {
        Words single;  // the first point on the command line
        const char* file;
    } cases[] = {
        {With({"compare", "--models", "5,6,12"}, kPoint),
         "drive;air;inlet;outlet;flow\n100;100;100;200;2,5\n30;100;100;200;2\n"},
        {{"compare",    "--application", "fill",    "--models", "6,10",       "--gas",   "hydrogen",
          "--real-gas", "--drive",       "100",     "--air",    "100",        "--inlet", "100",
          "--initial",  "100",           "--final", "3000",     "--capacity", "1"},
         "capacity,final,initial,inlet,air,drive\n1,3000,100,100,100,100\n1,3000,100,100,100,30\n"},
    };
    for (const auto& c : cases) {
        Words batch = {"compare", "--batch", "-"};
        for (std::size_t i = 1; i < c.single.size(); ++i)
            if (c.single[i] == "--application" || c.single[i] == "--models" || c.single[i] == "--gas")
                batch.insert(batch.end(), {c.single[i], c.single[i + 1]});
            else if (c.single[i] == "--real-gas")
                batch.push_back(c.single[i]);
        const Outcome o = RunSelect(With(batch, {"--format", "json"}), c.file);
        EXPECT_EQ(o.status, 1) << o.err;
        const Json cases = Json::parse(o.out)["cases"];
        ASSERT_EQ(cases.size(), 2u);
        EXPECT_EQ(cases[0]["rows"], Json::parse(RunSelect(With(c.single, {"--format", "json"})).out)["rows"]);
        EXPECT_EQ(cases[1]["message"], "Drive air pressure is too low!");
    }
}

}  // namespace
