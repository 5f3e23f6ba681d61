// End-to-end runs of the built zorvik-select flow and fill commands. The
// expected figures come from a separate throwaway computation (and, for
// RB -15 in the flow application, by hand: 3.06275 scfm, 75.535 scfm of
// drive air, 118.106 cycles per minute).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/select_process.h"

namespace {

using Outcome = zorvik::testing::SelectOutcome;
using zorvik::testing::Lines;
using zorvik::testing::RunSelect;

const std::vector<std::string> kFlowDefaults = {"flow", "--drive",  "100", "--air",  "100", "--inlet",
                                                "100",  "--outlet", "200", "--flow", "2.00"};
const std::vector<std::string> kFillDefaults = {"fill",    "--drive",    "100",       "--air", "100",
                                                "--inlet", "100",        "--initial", "100",   "--final",
                                                "1000",    "--capacity", "1.00"};

std::vector<std::string> With(std::vector<std::string> words, const std::vector<std::string>& more) {
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(SelectCommandTest, ExitStatusAndMessages) {
    const struct {
        std::vector<std::string> words;
        int status;
        const char* err;  // expected on stderr
    } cases[] = {
        {kFlowDefaults, 0, ""},
        {{"flow", "--drive", "6.9", "--air", "2831.7", "--inlet", "6.9", "--outlet", "13.8", "--flow", "56.6",
          "--metric", "--ignore-air", "--ignore-flow"},
         0,
         ""},
        {{"flow", "--drive", "100", "--air", "100", "--inlet", "100", "--outlet", "200", "--flow", "0"},
         2,
         "Flow rate cannot be zero!\nNo Amplifier needed.\n"},
        {{"flow", "--drive", "abc", "--air", "100", "--inlet", "100", "--outlet", "200", "--flow", "2"},
         2,
         "zorvik-select flow: --drive: abc is not a valid value\n"},
        {{"flow", "--drive", "100", "--air", "100", "--inlet", "100", "--outlet", "200", "--flow", ""},
         2,
         "zorvik-select flow: --flow: an empty value is not valid\n"},
        {{"fill", "--drive", "100", "--air", "100", "--inlet", "100", "--initial", "100", "--final", "1000",
          "--capacity", "-1", "--metric"},
         2,
         "zorvik-select fill: --capacity: -1 is not a valid value\n"},
        {{"flow", "--drive", "100", "--air", "100", "--inlet", "100", "--flow", "2"},
         2,
         "zorvik-select flow: flow needs --outlet\n"},
        {With(kFlowDefaults, {"--no-equalise"}), 2, "zorvik-select flow: unknown option \"--no-equalise\"\n"},
        {With(kFlowDefaults, {"--format", "xml"}), 2, "zorvik-select flow: --format must be table, csv or json\n"},
        {kFillDefaults, 0, ""},
        {{"fill", "--drive", "100", "--air", "100", "--inlet", "100", "--initial", "50", "--final", "1000",
          "--capacity", "1"},
         0,
         "Initial outlet pressure is lower than supply pressure!\nequalise pressures before starting amplifier.\n"
         "(answered OK)\n"},
        {{"fill", "--drive", "100", "--air", "100", "--inlet", "100", "--initial", "50", "--final", "1000",
          "--capacity", "1", "--no-equalise"},
         2,
         "Initial outlet pressure is lower than supply pressure!\nequalise pressures before starting amplifier.\n"
         "(answered Cancel)\n"},
        {{"fill", "--drive", "30", "--air", "100", "--inlet", "100", "--initial", "1200", "--final", "1000",
          "--capacity", "1"},
         2,
         "Initial outlet pressure must be less than final outlet pressure!\n"},
    };
    for (const auto& c : cases) {
        const Outcome o = RunSelect(c.words);
        EXPECT_EQ(o.status, c.status) << c.words[2] << " " << o.err;
        EXPECT_EQ(o.err, c.err);
    }
}

// What no command should say: a negative speed, a speed off a drive below
// the tables, a language given twice taken for an unknown option, the
// overview of a missing command on standard output, a batch that never ends.
TEST(SelectCommandTest, NonsenseIsRefusedOrSaidPlainly) {
    using Words = std::vector<std::string>;
    const Words point = {"point", "--model", "6", "--inlet", "100", "--outlet", "1000", "--drive"};
    const struct {
        Words words;
        int status;
        const char* out;  // a part of standard output
        const char* err;  // a part of standard error
    } cases[] = {
        {With(point, {"40"}), 0, "stalls", ""},
        {With(point, {"40", "--format", "json"}), 0, "\"cycles_per_min\": 0, ", ""},
        {With(point, {"0"}), 2, "", "below the 40 psig"},
        {With(kFlowDefaults, {"--language", "de", "--language", "fr"}), 2, "", "--language is given twice"},
        {{}, 2, "", "usage: zorvik-select <command>"},
        {{"flow", "--batch", "/dev/zero"}, 2, "", "the header line is longer than"},
    };
    for (const auto& c : cases) {
        const Outcome o = RunSelect(c.words);
        EXPECT_EQ(o.status, c.status) << o.err;
        EXPECT_NE(o.out.find(c.out), std::string::npos) << o.out;
        EXPECT_NE(o.err.find(c.err), std::string::npos) << o.err;
        EXPECT_EQ(o.out.find("-330"), std::string::npos) << o.out;
        EXPECT_TRUE(*c.out != '\0' || o.out.empty()) << o.out;
    }
}

TEST(SelectCommandTest, TableShowsTheWindowsFiguresUnderUnitHeadings) {
    const std::vector<std::string> lines = Lines(RunSelect(kFlowDefaults).out);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "No.  Model       Flow scfm  Air used scfm  Cycles/min");
    EXPECT_EQ(lines[5], "  6  RB-15            3.06             76         118");
}

// An empty list is no dead end: the nearest model and the test it fails.
// A fill prefers a model that charged the vessel (it fails later) to one
// that stalls.
TEST(SelectCommandTest, AnEmptyListNamesTheNearestModel) {
    const struct {
        std::vector<std::string> words;
        const char* line;  // the table's last line starts so
        const char* json;  // and the JSON's "nearest" so
    } cases[] = {
        {{"flow", "--drive", "100", "--air", "100", "--inlet", "100", "--outlet", "200", "--flow", "1000"},
         "No selections. Nearest: RBW-5 (model 9): Delivers 16.9 scfm flat out, 98 % short",
         "\"nearest\": {\"model\": 9, \"name\": \"RBW-5\", \"reason\": \"Delivers 16.9 scfm flat out"},
        {{"fill", "--drive", "100", "--air", "100", "--inlet", "100", "--initial", "100", "--final", "1000",
          "--capacity", "100000"},
         "No selections. Nearest: RBZ-7/30 (model 12): Fill takes longer than",
         "\"nearest\": {\"model\": 12, \"name\": \"RBZ-7/30\", \"reason\": \"Fill takes longer than"},
        {{"fill", "--drive", "100", "--air", "100", "--inlet", "100", "--initial", "100", "--final", "9000",
          "--capacity", "1"},
         // None charges: the nearest is the one whose stall comes nearest the final pressure.
         "No selections. Nearest: RBZ-30/50 (model 14): Delivers no flow: it stalls at 5160 psig",
         "\"nearest\": {\"model\": 14, \"name\": \"RBZ-30/50\", \"reason\": \"Delivers no flow"},
    };
    for (const auto& c : cases) {
        const Outcome table = RunSelect(c.words);
        EXPECT_EQ(table.status, 0);
        EXPECT_EQ(Lines(table.out).back().rfind(c.line, 0), 0u) << table.out;
        const Outcome json = RunSelect(With(c.words, {"--format", "json"}));
        EXPECT_TRUE(Contains(json.out, c.json)) << json.out;
    }
}

TEST(SelectCommandTest, CsvHeaderThenOneLinePerRow) {
    const std::vector<std::string> flow = Lines(RunSelect(With(kFlowDefaults, {"--format", "csv"})).out);
    ASSERT_EQ(flow.size(), 11u);
    EXPECT_EQ(flow[0], "model,name,Flow scfm,Air used scfm,Cycles/min");
    EXPECT_EQ(flow[5], "6,\"RB-15\",3.06,76,118");

    const std::vector<std::string> fill =
        Lines(RunSelect({"fill", "--drive", "6.9", "--air", "2831.7", "--inlet", "6.9", "--initial", "6.9", "--final",
                         "68.9", "--capacity", "28.3", "--metric", "--format", "csv"})
                  .out);
    ASSERT_EQ(fill.size(), 8u);
    EXPECT_EQ(fill[0], "model,name,Fill time min,Avg air used n.m3/min,Avg cycles/min,Total air n.m3");
    EXPECT_EQ(fill[1], "6,\"RB-15\",28,1.9,102,54.1");
    EXPECT_EQ(fill[7], "14,\"RBZ-30/50\",50,2.2,92,107.9");
}

TEST(SelectCommandTest, JsonCarriesCellsAndFullPrecision) {
    const std::string flow = RunSelect(With(kFlowDefaults, {"--format", "json"})).out;
    EXPECT_TRUE(Contains(flow,
                         "{\"application\": \"flow\", \"units\": \"imperial\", \"gas\": \"air\", "
                         "\"gas_temperature_c\": 20, \"temperature_limit_c\": null, \"safety_note\": null, "
                         "\"message\": null, \"rows\": ["));
    EXPECT_TRUE(Contains(flow,
                         "{\"model\": 6, \"name\": \"RB-15\", \"flow\": \"3.06\", \"air_used\": \"76\", "
                         "\"cycles\": \"118\", \"flow_scfm\": 3.062747516529632, "
                         "\"air_scfm\": 75.53500881834215, \"cycles_per_min\": 118.10617283950617, "))
        << flow;

    const std::string fill = RunSelect(With(kFillDefaults, {"--format", "json"})).out;
    EXPECT_TRUE(Contains(fill, "\"application\": \"fill\""));
    EXPECT_TRUE(Contains(fill,
                         "{\"model\": 6, \"name\": \"RB-15\", \"fill_time\": \"28\", "
                         "\"average_air_used\": \"68\", \"average_cycles\": \"102\", \"total_air\": \"1914\", "
                         "\"fill_minutes\": 28.216819070392624, \"total_air_scf\": 1913.8930964863973, "))
        << fill;
    EXPECT_TRUE(Contains(fill, "\"average_cycles_per_min\": 101.71304946547977, "));

    const Outcome failed = RunSelect({"flow", "--drive", "30", "--air", "100", "--inlet", "100", "--outlet", "50",
                                      "--flow", "0", "--format", "json"});
    EXPECT_EQ(failed.status, 2);
    EXPECT_EQ(failed.out,
              "{\"application\": \"flow\", \"units\": \"imperial\", \"gas\": \"air\", \"gas_temperature_c\": 20, "
              "\"temperature_limit_c\": null, \"safety_note\": null, \"message\": \"Outlet pressure must be "
              "greater\\rthan inlet pressure!\", \"rows\": []}\n");
}

TEST(SelectCommandTest, HelpNamesEveryOptionWithItsUnit) {
    const Outcome flow = RunSelect({"flow", "--help"});
    EXPECT_EQ(flow.status, 0);
    for (const char* part : {"--drive P", "--air Q", "--inlet P", "--outlet P", "--flow Q", "--metric", "--ignore-air",
                             "--ignore-flow", "--format", "psig", "barg", "scfm", "nl/min"})
        EXPECT_TRUE(Contains(flow.out, part)) << part;
    const Outcome fill = RunSelect({"fill", "--help"});
    for (const char* part : {"--initial P", "--final P", "--capacity V", "--no-equalise", "cubic feet", "litres"})
        EXPECT_TRUE(Contains(fill.out, part)) << part;
}

}  // namespace
