// The engine's texts in another language: every text of a reason, a table
// and a message goes through the translator the application installs, the
// figures go in where the translation puts them, and without a translator
// (or for texts kept in files) the English stays exactly as written.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "comparison.h"
#include "comparison_reasons.h"
#include "comparison_table.h"
#include "gases.h"
#include "text_catalog.h"

namespace zorvik {
namespace {

// A stand-in language: every text in brackets, so a text that did not go
// through the translator shows at once.
std::string Bracketed(const char*, const char* source) { return "[" + std::string(source) + "]"; }
std::string NoTranslation(const char*, const char*) { return {}; }

class WithTranslator {
public:
    explicit WithTranslator(TextTranslator translator) : before_(SetTextTranslator(translator)) {}
    ~WithTranslator() { SetTextTranslator(before_); }

private:
    TextTranslator before_;
};

std::vector<std::string> Figures(const std::string& text) {
    static const std::regex number(R"(\d+(\.\d+)?)");
    std::vector<std::string> figures;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it)
        figures.push_back(it->str());
    std::sort(figures.begin(), figures.end());
    return figures;
}

TEST(TextCatalogTest, FiguresGoWhereTheTextNamesThem) {
    const struct {
        const char* text;
        std::vector<std::string_view> figures;
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
    for (const auto& c : cases) {
        std::string filled;
        if (c.figures.size() == 2)
            filled = Substitute(c.text, {c.figures[0], c.figures[1]});
        else if (c.figures.size() == 1)
            filled = Substitute(c.text, {c.figures[0]});
        else if (c.figures.empty())
            filled = Substitute(c.text, {});
        else
            filled = Substitute(c.text, {c.figures[0], c.figures[1], c.figures[2], c.figures[3], c.figures[4],
                                         c.figures[5], c.figures[6], c.figures[7], c.figures[8]});
        EXPECT_EQ(filled, c.filled) << c.text;
    }
}

TEST(TextCatalogTest, EnglishWithoutATranslationOrInsideEnglishTexts) {
    EXPECT_EQ(Tr("Reasons", "Delivers no flow: it stalls %1"), "Delivers no flow: it stalls %1");
    {
        const WithTranslator none(NoTranslation);
        EXPECT_EQ(Tr("Gases", "Air"), "Air");
    }
    const WithTranslator bracketed(Bracketed);
    EXPECT_EQ(Tr("Gases", "Air"), "[Air]");
    {
        const EnglishTexts english;
        const EnglishTexts nested;
        EXPECT_EQ(Tr("Gases", "Air"), "Air");
    }
    EXPECT_EQ(Tr("Gases", "Air"), "[Air]");
}

// Every reason a comparison gives, for every model at a duty most of them
// fail, is the translator's, with the figures of the English one.
TEST(TextCatalogTest, ReasonsAndTableLabelsAreTranslatedWithTheirFigures) {
    const FlowDuty duty{100, 30, 100, 1500, 2};
    const std::vector<FlowComparisonRow> english = CompareForFlow(duty, AllModels(), CostSettings{}, false);
    const WithTranslator bracketed(Bracketed);
    const std::vector<FlowComparisonRow> translated = CompareForFlow(duty, AllModels(), CostSettings{}, false);
    ASSERT_EQ(english.size(), translated.size());
    for (std::size_t i = 0; i < english.size(); ++i) {
        if (english[i].reason.empty()) continue;
        EXPECT_EQ(translated[i].reason.front(), '[') << translated[i].reason;
        EXPECT_EQ(Figures(translated[i].reason), Figures(english[i].reason)) << translated[i].reason;
    }
    for (const ComparisonTable::Row& row : FlowComparisonTable(translated, false).rows)
        EXPECT_EQ(row.label.front(), '[') << row.label;
    EXPECT_EQ(GasDisplayName(Gas::CarbonDioxide), "[Carbon dioxide]");
}

}  // namespace
}  // namespace zorvik
