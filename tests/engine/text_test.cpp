// The engine's texts in another language: every text of a reason, a table
// and a message is said through the translator its reader passes, the
// figures go in where the translation puts them, and without a translator
// the English stays exactly as written.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "comparison.h"
#include "comparison_reasons.h"
#include "comparison_table.h"
#include "gases.h"
#include "text.h"

namespace zorvik {
namespace {

// A stand-in language: every text in brackets, so a text that did not go
// through the translator shows at once.
class Bracketed final : public Translator {
public:
    std::string Translate(const char*, const char* source) const override { return "[" + std::string(source) + "]"; }
};

class NoTranslation final : public Translator {
public:
    std::string Translate(const char*, const char*) const override { return {}; }
};

std::vector<std::string> Figures(const std::string& text) {
    static const std::regex number(R"(\d+(\.\d+)?)");
    std::vector<std::string> figures;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it)
        figures.push_back(it->str());
    std::sort(figures.begin(), figures.end());
    return figures;
}

TEST(TextTest, FiguresGoWhereTheTextNamesThem) {
    const struct {
        const char* text;
        std::vector<Text> figures;
        const char* filled;
    } cases[] = {
        {"%1 of %2", {"a", "b"}, "a of b"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1 and %1", {"x"}, "x and x"},
        {"50 % of %1", {"speed"}, "50 % of speed"},
        {"%3 is not given", {"a"}, "%3 is not given"},
        {"ends in %", {}, "ends in %"},
        {"%1", {"%2"}, "%2"},
        {"%9%1", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, "91"},
    };
    for (const auto& c : cases) EXPECT_EQ(English(Tr("Test", c.text).With(c.figures)), c.filled) << c.text;
}

TEST(TextTest, EnglishWithoutATranslationAndFiguresAsGiven) {
    const Bracketed bracketed;
    const NoTranslation none;
    const Text stalls = Tr("Reasons", "Delivers no flow: it stalls %1").With({"at 300 psig"});
    EXPECT_EQ(English(stalls), "Delivers no flow: it stalls at 300 psig");
    EXPECT_EQ(Say(stalls, &none), "Delivers no flow: it stalls at 300 psig");
    EXPECT_EQ(Say(stalls, &bracketed), "[Delivers no flow: it stalls at 300 psig]");
    // A figure is never translated, a joined text says each part, a nested one its figures.
    EXPECT_EQ(Say(Text("Air"), &bracketed), "Air");
    EXPECT_EQ(Say(Tr("Gases", "Air") + ", " + Tr("Gases", "Argon"), &bracketed), "[Air], [Argon]");
    EXPECT_EQ(Say(Tr("Reasons", "%1 (a near miss)").With({Tr("Gases", "Air")}), &bracketed), "[[Air] (a near miss)]");
    EXPECT_TRUE((Text() + Text()).Empty());
    EXPECT_FALSE(Tr("Gases", "").Empty());
}

// The same text said in two languages at once: nothing is kept between.
TEST(TextTest, TwoReadersAtOnce) {
    const Bracketed bracketed;
    const Text air = GasDisplayName(Gas::Air);
    EXPECT_EQ(Say(air, &bracketed), "[Air]");
    EXPECT_EQ(English(air), "Air");
    EXPECT_EQ(Say(air, &bracketed), "[Air]");
}

// Every reason a comparison gives, for every model at a duty most of them
// fail, is the translator's, with the figures of the English one.
TEST(TextTest, ReasonsAndTableLabelsAreTranslatedWithTheirFigures) {
    const FlowDuty duty{100, 30, 100, 1500, 2};
    const Bracketed bracketed;
    const std::vector<FlowComparisonRow> rows = CompareForFlow(duty, AllModels(), CostSettings{}, false);
    for (const FlowComparisonRow& row : rows) {
        if (row.reason.Empty()) continue;
        const std::string english = English(row.reason);
        const std::string translated = Say(row.reason, &bracketed);
        EXPECT_EQ(translated.front(), '[') << translated;
        EXPECT_EQ(Figures(translated), Figures(english)) << translated;
    }
    for (const ComparisonTable::Row& row : FlowComparisonTable(rows, false).rows)
        EXPECT_EQ(Say(row.label, &bracketed).front(), '[') << English(row.label);
    EXPECT_EQ(Say(GasDisplayName(Gas::CarbonDioxide), &bracketed), "[Carbon dioxide]");
}

}  // namespace
}  // namespace zorvik
