// zorvik-select --language: what is written for people - why a model is not
// listed - follows the language; what scripts read - tables, keys, figures,
// messages - stays English, byte for byte.

#include <gtest/gtest.h>

#include <regex>

#include "support/select_process.h"

namespace {

using zorvik::testing::Lines;
using zorvik::testing::RunSelect;
using Words = std::vector<std::string>;

const Words kCompare = {"compare", "--drive",  "100",  "--air",  "30", "--inlet",
                        "100",     "--outlet", "1500", "--flow", "2"};

Words With(Words words, const Words& more) {
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

std::vector<std::string> FiguresOf(const std::string& text) {
    static const std::regex number(R"(\d+(\.\d+)?)");
    std::vector<std::string> figures;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it)
        figures.push_back(it->str());
    std::sort(figures.begin(), figures.end());
    return figures;
}

// Commands with nothing written for people print the same in any language;
// a refused duty's message stays English too.
TEST(LanguageOptionTest, WhatScriptsReadStaysEnglish) {
    const Words cases[] = {
        {"flow", "--drive", "100", "--air", "100", "--inlet", "100", "--outlet", "200", "--flow", "2"},
        {"fill", "--drive", "100", "--air", "100", "--inlet", "100", "--initial", "100", "--final", "1000",
         "--capacity", "1", "--format", "json"},
        {"compare", "--drive", "10", "--air", "100", "--inlet", "100", "--outlet", "200", "--flow", "2", "--format",
         "json"},
        {"point", "--model", "6", "--drive", "100", "--inlet", "100", "--outlet", "1000"},
    };
    for (const Words& words : cases) {
        const auto english = RunSelect(words);
        for (const char* language : {"de", "fr", "en"}) {
            const auto translated = RunSelect(With(words, {"--language", language}));
            EXPECT_EQ(translated.status, english.status) << words[0] << " " << language;
            EXPECT_EQ(translated.out, english.out) << words[0] << " " << language;
            EXPECT_EQ(translated.err, english.err) << words[0] << " " << language;
        }
    }
}

// The reasons change language with their figures kept; every other line of
// the table and every key and number of the JSON stay as they were.
TEST(LanguageOptionTest, ReasonsFollowTheLanguage) {
    for (const char* format : {"table", "json"}) {
        const auto english = RunSelect(With(kCompare, {"--format", format}));
        const auto german = RunSelect(With(kCompare, {"--format", format, "--language", "de"}));
        ASSERT_EQ(german.status, 0) << german.err;
        const std::vector<std::string> before = Lines(english.out);
        const std::vector<std::string> after = Lines(german.out);
        ASSERT_EQ(before.size(), after.size()) << format;
        int reasons = 0;
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (before[i] == after[i]) continue;
            ++reasons;
            EXPECT_EQ(FiguresOf(after[i]), FiguresOf(before[i])) << after[i];
        }
        EXPECT_GT(reasons, 0) << format;
    }
}

// A batch's reasons follow the language as a single comparison's do.
TEST(LanguageOptionTest, BatchReasonsFollowTheLanguage) {
    const std::string duties = "drive,air,inlet,outlet,flow\n100,30,100,1500,2\n100,100,100,200,2\n";
    const Words batch = {"compare", "--batch", "-", "--format", "table"};
    const auto english = RunSelect(batch, duties);
    const auto german = RunSelect(With(batch, {"--language", "de"}), duties);
    ASSERT_EQ(german.status, english.status) << german.err;
    const std::vector<std::string> before = Lines(english.out);
    const std::vector<std::string> after = Lines(german.out);
    ASSERT_EQ(before.size(), after.size());
    int reasons = 0;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (before[i] != after[i]) {
            ++reasons;
            EXPECT_EQ(FiguresOf(after[i]), FiguresOf(before[i])) << after[i];
        }
    EXPECT_GT(reasons, 0);
}

TEST(LanguageOptionTest, AnUnknownLanguageIsAUsageError) {
    for (const Words& extra : {Words{"--language", "xx"}, Words{"--language"}, Words{"--language=klingon"}}) {
        const auto outcome = RunSelect(With(kCompare, extra));
        EXPECT_EQ(outcome.status, 2) << extra.back();
        EXPECT_TRUE(outcome.out.empty()) << extra.back();
        EXPECT_NE(outcome.err.find("--language"), std::string::npos) << outcome.err;
    }
}

}  // namespace
