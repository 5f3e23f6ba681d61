// zorvik-select compare and --batch, run as built: a listed model's figures
// in the comparison are those of its flow or fill row to the last digit,
// batch output is every single run's output with its case number, and a bad
// line does not stop the others.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <map>
#include <regex>

#include "number_text.h"
#include "support/select_process.h"

namespace {

using Outcome = zorvik::testing::SelectOutcome;
using zorvik::testing::Lines;
using zorvik::testing::RunSelect;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using Words = std::vector<std::string>;

struct Figures {
    bool listed = true;
    std::vector<std::string> values;
};

// Model number -> the named figures of its JSON row, as printed.
std::map<int, Figures> RowsOf(const std::string& json, const std::vector<std::string>& keys) {
    std::map<int, Figures> rows;
    for (const std::string& line : Lines(json)) {
        std::smatch model;
        if (!std::regex_search(line, model, std::regex("^ *\\{\"model\": (\\d+)"))) continue;
        Figures& f = rows[std::stoi(model[1])];
        f.listed = line.find("\"listed\": false") == std::string::npos;
        for (const std::string& key : keys) {
            std::smatch value;
            if (std::regex_search(line, value, std::regex("\"" + key + "\": ([^,}]+)"))) f.values.push_back(value[1]);
        }
    }
    return rows;
}

Words Conditions(const Words& command, const Words& values, const std::vector<const char*>& names) {
    Words words = command;
    for (std::size_t i = 0; i < names.size(); ++i) words.insert(words.end(), {std::string("--") + names[i], values[i]});
    return words;
}

Words With(Words words, const Words& more) {
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

const std::vector<const char*> kFlowNames = {"drive", "air", "inlet", "outlet", "flow"};
const std::vector<const char*> kFillNames = {"drive", "air", "inlet", "initial", "final", "capacity"};

TEST(CompareCommandTest, ListedFiguresAreThoseOfTheListRows) {
    const struct {
        Words command;  // flow or fill
        Words values;
        Words switches;
    } cases[] = {
        {{"flow"}, {"100", "100", "100", "200", "2.00"}, {}},
        {{"flow"}, {"100", "10", "60", "1000", "0.5"}, {"--ignore-flow"}},
        {{"flow"}, {"6.9", "2831.7", "6.9", "13.8", "56.6"}, {"--metric"}},
        {{"fill"}, {"100", "100", "100", "100", "1000", "1.00"}, {}},
        {{"fill"}, {"100", "15", "60", "80", "1500", "2"}, {"--ignore-air"}},
    };
    for (const auto& c : cases) {
        const bool fill = c.command[0] == "fill";
        const auto& names = fill ? kFillNames : kFlowNames;
        const std::vector<std::string> keys =
            fill ? std::vector<std::string>{"fill_minutes", "total_air_scf", "average_cycles_per_min"}
                 : std::vector<std::string>{"flow_scfm", "air_scfm", "cycles_per_min"};
        const Outcome list =
            RunSelect(With(Conditions(c.command, c.values, names), With(c.switches, {"--format", "json"})));
        const Outcome compare = RunSelect(With(Conditions({"compare", "--application", c.command[0]}, c.values, names),
                                               With(c.switches, {"--format", "json"})));
        ASSERT_EQ(compare.status, 0) << compare.err;
        const std::map<int, Figures> listed = RowsOf(list.out, keys);
        const std::map<int, Figures> compared = RowsOf(compare.out, keys);
        ASSERT_EQ(compared.size(), 15u);
        for (const auto& [model, figures] : compared) {
            ASSERT_EQ(figures.listed, listed.count(model) == 1) << c.values[0] << " model " << model;
            if (!figures.listed) continue;
            EXPECT_EQ(figures.values, listed.at(model).values) << "model " << model;
        }
    }
}

TEST(CompareCommandTest, CostOptionsAndChosenModels) {
    const Outcome o = RunSelect(With(Conditions({"compare"}, {"100", "100", "100", "200", "2.00"}, kFlowNames),
                                     {"--models", "6,1", "--kw-per-100scfm", "20", "--hours", "1000", "--price", "0.5",
                                      "--inlet-is-plant-air", "--format", "json"}));
    ASSERT_EQ(o.status, 0) << o.err;
    const std::map<int, Figures> rows = RowsOf(o.out, {"duty_total_air_scfm", "annual_kwh", "annual_cost"});
    ASSERT_EQ(rows.size(), 2u);
    for (const auto& [model, f] : rows) {
        const double air =
            *zorvik::ParseNumber(f.values[0]);  // the inlet gas is plant air too: required flow + drive air
        EXPECT_NEAR(*zorvik::ParseNumber(f.values[1]), air / 100 * 20 * 1000, 1e-9) << model;
        EXPECT_NEAR(*zorvik::ParseNumber(f.values[2]), air / 100 * 20 * 1000 * 0.5, 1e-9) << model;
    }
}

// The gas flow is compressor air only when the gas boosted is air from the
// drive supply: nitrogen from a cylinder adds nothing to the air or its cost.
TEST(CompareCommandTest, OnlyPlantAirAddsItsFlowToTheAir) {
    const struct {
        const char* gas;
        bool plantAir;
        double gasAir;  // scfm of the 2 scfm asked for that the compressor makes
    } cases[] = {{"air", true, 2}, {"air", false, 0}, {"nitrogen", true, 0}, {"helium", true, 0}};
    for (const auto& c : cases) {
        Words words = With(Conditions({"compare"}, {"100", "100", "100", "200", "2.00"}, kFlowNames),
                           {"--models", "6", "--gas", c.gas});
        if (c.plantAir) words.push_back("--inlet-is-plant-air");
        const Outcome o = RunSelect(With(words, {"--format", "json"}));
        ASSERT_EQ(o.status, 0) << o.err;
        const Figures f = RowsOf(o.out, {"duty_total_air_scfm", "units_air_scfm", "total_air_scfm", "air_scfm"}).at(6);
        EXPECT_NEAR(*zorvik::ParseNumber(f.values[0]) - *zorvik::ParseNumber(f.values[1]), c.gasAir, 1e-9)
            << c.gas << c.plantAir;
        EXPECT_EQ(*zorvik::ParseNumber(f.values[2]) > *zorvik::ParseNumber(f.values[3]), c.gasAir > 0)
            << c.gas << c.plantAir;
        const Outcome table = RunSelect(With(words, {"--format", "table"}));
        EXPECT_EQ(table.out.find("Total input air") != std::string::npos, c.gasAir > 0) << c.gas << c.plantAir;
    }
}

// Nitrogen, 6 to 20 barg, 120 nl/min on 800 nl/min of drive air: the list
// leaves RBW-5 out, yet it meets the duty throttled; a stalled model has no
// duty figures, and with the air ignored there is no margin to show.
TEST(CompareCommandTest, DutyFiguresOfEachModel) {
    const Words nitrogen = Conditions({"compare"}, {"6", "800", "6", "20", "120"}, kFlowNames);
    const std::vector<std::string> keys = {"meets_duty", "duty_speed_percent", "duty_air_margin_scfm", "annual_kwh",
                                           "above_continuous_guideline"};
    const struct {
        Words switches;
        int model;
        bool listed;
        std::vector<std::string> figures;  // printed, or a pattern for the number
    } cases[] = {
        {{"--metric"}, 9, false, {"true", R"(28\.9\d*)", R"(3\.12\d*)", R"(\d+\.\d+)", "false"}},
        {{"--metric", "--ignore-air"}, 9, true, {"true", R"(28\.9\d*)", "null", R"(\d+\.\d+)", "false"}},
        {{"--metric"}, 8, false, {"false", "null", "null", "null", "null"}},
    };
    for (const auto& c : cases) {
        const Outcome o =
            RunSelect(With(nitrogen, With(c.switches, {"--models", std::to_string(c.model), "--format", "json"})));
        ASSERT_EQ(o.status, 0) << o.err;
        const Figures row = RowsOf(o.out, keys).at(c.model);
        EXPECT_EQ(row.listed, c.listed) << c.model;
        ASSERT_EQ(row.values.size(), keys.size()) << o.out;
        for (std::size_t i = 0; i < keys.size(); ++i)
            EXPECT_TRUE(std::regex_match(row.values[i], std::regex(c.figures[i]))) << keys[i] << ": " << row.values[i];
    }
}

TEST(CompareCommandTest, UsageErrorsAndThePage) {
    const Words flow = Conditions({"compare"}, {"100", "100", "100", "200", "2.00"}, kFlowNames);
    const struct {
        Words words;
        const char* err;
    } cases[] = {
        {With(flow, {"--models", "0,3"}),
         "zorvik-select compare: --models must be model numbers from 1 to 15, comma separated\n"},
        {With(flow, {"--application", "vessel"}), "zorvik-select compare: --application must be flow or fill\n"},
        {With(flow, {"--final", "1000"}), "zorvik-select compare: --final is not a condition of flow\n"},
        {With(flow, {"--price", "-1"}), "zorvik-select compare: --price must be a number from 0 to 1000\n"},
        {With(flow, {"--price", "1e308"}), "zorvik-select compare: --price must be a number from 0 to 1000\n"},
        {With(flow, {"--hours", "8785"}), "zorvik-select compare: --hours must be a number from 0 to 8784\n"},
        {{"compare", "--drive", "100"}, "zorvik-select compare: compare needs --air, --inlet, --outlet, --flow\n"},
        {With(flow, {"--office", "1"}), "zorvik-select compare: --office names the office of the --out page\n"},
    };
    for (const auto& c : cases) {
        const Outcome o = RunSelect(c.words);
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.err, c.err);
    }
    // A folder of its own: the same test runs at once on other desktops.
    const QTemporaryDir folder;
    const std::string pdf = folder.filePath(QStringLiteral("compare_page.pdf")).toStdString();
    const Outcome page = RunSelect(With(flow, {"--out", pdf}));
    EXPECT_EQ(page.status, 0) << page.err;
    EXPECT_EQ(ReadFile(pdf).substr(0, 5), "%PDF-");
}

// Each point is sized in a session of its own: a point that was equalised
// (its initial pressure raised to the inlet's), air-limited or without
// selections leaves nothing to the points after it.
TEST(BatchCommandTest, EveryPointAsItsSingleRun) {
    const struct {
        std::string command;
        const std::vector<const char*>& names;
        std::vector<Words> points;
    } batches[] = {
        {"flow",
         kFlowNames,
         {{"100", "100", "100", "200", "2.00"},
          {"100", "40", "60", "600", "0.5"},   // air-limited
          {"100", "10", "60", "1000", "0.5"},  // no selections
          {"120", "300", "150", "1150", "1"}}},
        {"fill",
         kFillNames,
         {{"100", "100", "100", "50", "1000", "1"},  // equalised
          {"100", "15", "60", "80", "1500", "2"},
          {"120", "100", "150", "150", "900", "2"}}},
    };
    for (const auto& b : batches) {
        std::string file;
        for (const char* name : b.names) file += std::string(file.empty() ? "" : ",") + name;
        file += "\n";
        for (const Words& p : b.points) {
            for (std::size_t i = 0; i < p.size(); ++i) file += (i == 0 ? "" : ",") + p[i];
            file += "\n";
        }
        for (const char* format : {"csv", "json"}) {
            SCOPED_TRACE(b.command + " " + format);
            const Outcome batch = RunSelect({b.command, "--batch", "-", "--format", format}, file);
            EXPECT_EQ(batch.status, 0) << batch.err;
            std::size_t found = 0;
            for (std::size_t i = 0; i < b.points.size(); ++i) {
                const std::string line = std::to_string(i + 2);
                const Outcome single =
                    RunSelect(With(Conditions({b.command}, b.points[i], b.names), {"--format", format}));
                const std::vector<std::string> rows = Lines(single.out);
                const bool csv = std::string(format) == "csv";
                for (std::size_t r = 0; r < rows.size(); ++r) {
                    if (csv ? r == 0 : rows[r].rfind("  {\"model\"", 0) != 0) continue;
                    const std::string expected = csv ? line + "," + rows[r] + "," : "  " + rows[r];
                    EXPECT_NE(batch.out.find(expected), std::string::npos) << expected;
                    ++found;
                }
            }
            EXPECT_GE(found, b.points.size());  // rows were compared, not only headings
        }
    }
}

TEST(BatchCommandTest, BadLinesGetTheirMessageAndTheOthersGoOn) {
    const Outcome o = RunSelect({"fill", "--batch", "-", "--format", "csv"},
                                "capacity,final,initial,inlet,air,drive\n"
                                "1.00,1000,100,100,100,100\n"
                                "1.00,1000,100,100,100,30\n"
                                "1.00,1000,100,100,100\n"
                                "1.00,x,100,100,100,100\n"
                                "1.00,1000,100,100,100,100\n");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "zorvik-select fill: 3 of 5 points refused; each has its message in the output\n");
    const std::vector<std::string> lines = Lines(o.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "case,model,name,Fill time min,Avg air used scfm,Avg cycles/min,Total air scf,message");
    EXPECT_NE(o.out.find("\n3,,,,,,,\"Drive air pressure is too low!\"\n"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("\n4,,,,,,,\"Line 4 has 5 values; the header names 6\"\n"), std::string::npos);
    EXPECT_NE(o.out.find("\n5,,,,,,,\"final: x is not a valid value\"\n"), std::string::npos);
    EXPECT_NE(o.out.find("\n2,6,\"RB-15\",28,68,102,1914,\n"), std::string::npos);
    EXPECT_NE(o.out.find("\n6,6,\"RB-15\",28,68,102,1914,\n"), std::string::npos);

    const Outcome badHeader = RunSelect({"fill", "--batch", "-"}, "drive,air\n100,100\n");
    EXPECT_EQ(badHeader.status, 2);
    EXPECT_EQ(badHeader.err, "zorvik-select fill: the header lacks inlet, initial, final, capacity\n");
}

}  // namespace
