// zorvik-select given hostile option values: each is refused with the
// program's message and exit status 2, or runs; none crashes, and a picture
// that cannot be written leaves no file behind.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/select_process.h"

namespace {

using Outcome = zorvik::testing::SelectOutcome;

using zorvik::testing::RunSelect;

std::vector<std::string> Flow(const std::string& option, const std::string& value) {
    std::vector<std::string> words = {"flow", "--drive",  "100", "--air",  "100", "--inlet",
                                      "100",  "--outlet", "200", "--flow", "2"};
    for (std::size_t i = 1; i < words.size(); i += 2)
        if (words[i] == option) words[i + 1] = value;
    return words;
}

TEST(HostileSelectTest, OptionValuesAreReadOrRefused) {
    const std::string nines(10000, '9');
    const struct {
        const char* what;
        std::vector<std::string> words;
        int status;
        std::string err;
    } cases[] = {
        {"empty value", Flow("--drive", ""), 2, "zorvik-select flow: --drive: an empty value is not valid\n"},
        {"blanks", Flow("--air", "   "), 2, "zorvik-select flow: --air: an empty value is not valid\n"},
        {"sign alone", Flow("--inlet", "+"), 2, "zorvik-select flow: --inlet: + is not a valid value\n"},
        {"10,000 nines", Flow("--outlet", nines), 2,
         "zorvik-select flow: --outlet: " + nines + " is not a valid value\n"},
        {"exponent past a double", Flow("--flow", "1e309"), 2,
         "zorvik-select flow: --flow: 1e309 is not a valid value\n"},
        {"huge drive", Flow("--drive", "1e9"), 2, "Drive air pressure is too high!\n"},
        {"huge flow lists nothing", Flow("--flow", "1e9"), 0, ""},
        {"flow past any duty", Flow("--flow", "1e308"), 2, "zorvik-select flow: --flow: 1e308 is not a valid value\n"},
        {"tiny flow", Flow("--flow", "1e-400"), 2, "Flow rate cannot be zero!\nNo Amplifier needed.\n"},
        {"non-ASCII digits", Flow("--air", "\xEF\xBC\x91"), 2,
         "zorvik-select flow: --air: \xEF\xBC\x91 is not a valid value\n"},
        {"barg past any duty",
         [] {
             auto w = Flow("--inlet", "1e10");
             w.push_back("--metric");
             return w;
         }(),
         2, "zorvik-select flow: --inlet: 1e10 is not a valid value\n"},
        {"huge vessel",
         {"fill", "--drive", "100", "--air", "100", "--inlet", "100", "--initial", "100", "--final", "1000",
          "--capacity", "1e9"},
         0,
         ""},
        {"model past an int",
         {"point", "--model", "99999999999999999999", "--drive", "100", "--inlet", "100", "--outlet", "200"},
         2,
         "zorvik-select point: --model must be a whole number from 1 to 15\n"},
        {"chart at no drive",
         {"chart", "--model", "6", "--drive", "0", "--out", "never.png"},
         2,
         "zorvik-select chart: --drive: 0 psig is below the 40 psig a chart starts at\n"},
        {"chart just below 40 psig",
         {"chart", "--model", "6", "--drive", "39.9", "--out", "never.png"},
         2,
         "zorvik-select chart: --drive: 39.9 psig is below the 40 psig a chart starts at\n"},
    };
    for (const auto& c : cases) {
        const Outcome o = RunSelect(c.words);
        EXPECT_EQ(o.status, c.status) << c.what << ": " << o.err.substr(0, 200);
        EXPECT_EQ(o.err, c.err) << c.what;
    }
    EXPECT_FALSE(std::filesystem::exists("never.png"));
    const Outcome unknown = RunSelect({"flow", "--\xC3\xB6"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "zorvik-select flow: unknown option \"--\xC3\xB6\"\n");
}

// A picture asked for where no file can be made is refused, and nothing is
// left behind; the tests may run as root, so the place is under a regular
// file rather than in a read-only folder.
TEST(HostileSelectTest, PicturesThatCannotBeWrittenLeaveNoFile) {
    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / ("zorvik_hostile_pictures_" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "a-file") << "not a folder";
    for (const char* name : {"chart.png", "chart.svg", "chart.pdf"}) {
        const std::string out = (folder / "a-file" / name).string();
        const Outcome chart = RunSelect({"chart", "--model", "6", "--out", out});
        EXPECT_EQ(chart.status, 2) << name;
        EXPECT_NE(chart.err.find("cannot write"), std::string::npos) << chart.err;
        const Outcome drawing = RunSelect({"drawing", "--model", "6", "--units", "mm", "--out", out});
        EXPECT_EQ(drawing.status, 2) << name;
        EXPECT_NE(drawing.err.find("cannot write"), std::string::npos) << drawing.err;
    }
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) left.push_back(entry.path().filename());
    EXPECT_EQ(left, std::vector<std::string>{"a-file"});
    std::filesystem::remove_all(folder);
}

}  // namespace
