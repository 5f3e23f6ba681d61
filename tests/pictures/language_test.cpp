// Languages are values: two readers are answered at once, each in its own
// words, decimal separator and date format, and nothing one loads changes
// what another is told.

#include <gtest/gtest.h>

#include <QDate>

#include "gases.h"
#include "language.h"

namespace zorvik::texts {
namespace {

TEST(LanguageTest, EachReaderInItsOwnLanguageAtOnce) {
    const struct {
        const char* code;
        const char* air;  // GasDisplayName(Gas::CarbonDioxide) said for the reader
        char decimal;
        // clang-format off
    } cases[] = {
        {"en", "Carbon dioxide", '.'},
        {"de", "Kohlendioxid", ','},
        {"fr", "Dioxyde de carbone", ','},
        {"nl", "Kooldioxide", ','},
        // clang-format on
    };
    std::vector<std::unique_ptr<Language>> loaded;
    for (const auto& c : cases) loaded.push_back(Language::Load(c.code));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        ASSERT_NE(loaded[i], nullptr) << cases[i].code;
        EXPECT_EQ(loaded[i]->Code(), cases[i].code);
        EXPECT_EQ(Say(GasDisplayName(Gas::CarbonDioxide), loaded[i].get()), cases[i].air) << cases[i].code;
        EXPECT_EQ(DecimalOf(loaded[i].get()), cases[i].decimal) << cases[i].code;
    }
    EXPECT_EQ(DecimalOf(nullptr), '.');
    EXPECT_EQ(English(GasDisplayName(Gas::CarbonDioxide)), "Carbon dioxide");
}

TEST(LanguageTest, OnlyTheProgramsLanguagesLoad) {
    for (const char* code : {"", "xx", "DE", "de_DE", "en-GB"}) EXPECT_EQ(Language::Load(code), nullptr) << code;
}

// Pages carry the reader's date and figures, whatever the desktop's locale.
TEST(LanguageTest, DatesAndFiguresAsTheReaderWritesThem) {
    const auto german = Language::Load("de");
    const auto english = Language::Load("en");
    ASSERT_TRUE(german && english);
    EXPECT_EQ(ShortDate(german.get()),
              QLocale(QStringLiteral("de")).toString(QDate::currentDate(), QLocale::ShortFormat));
    EXPECT_EQ(ShortDate(english.get()),
              QLocale(QStringLiteral("en")).toString(QDate::currentDate(), QLocale::ShortFormat));
    const Text flow = Tr("Reasons", "%1 on %2 of drive air").With({"Meets", "0.71 n.m3/min"});
    EXPECT_TRUE(Figures(flow, german.get()).contains(QStringLiteral("0,71")))
        << Figures(flow, german.get()).toStdString();
    EXPECT_TRUE(Figures(flow, english.get()).contains(QStringLiteral("0.71")));
}

}  // namespace
}  // namespace zorvik::texts
