// Numbers on screen and in the spin boxes as three systems write them.
// QLocale::setDefault stands in for the system: the program reads the
// default locale, which is the system's unless set.

#include <gtest/gtest.h>

#include <QLocale>
#include <QTest>

#include "system_numbers.h"

namespace zorvik {
namespace {

// Sets the default locale for the test's life, then puts the old one back.
class LocaleScope {
public:
    explicit LocaleScope(const char* name) : old_(QLocale()) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
    }
    ~LocaleScope() { QLocale::setDefault(old_); }

private:
    QLocale old_;
};

TEST(SystemNumbersTest, ShownWithTheSystemsSeparatorAndNoGroups) {
    const struct {
        const char* locale;
        char decimal;
        const char* table;  // TableNumber(1234.5678), TableNumber(6.5)
        const char* text;   // SystemNumberText of an engine text
    } cases[] = {
        {"de_DE", ',', "1235|6,50", "6,5 bar, 1,2 m3 at 1.x; 12.5.2026"},
        {"fr_FR", ',', "1235|6,50", "6,5 bar, 1,2 m3 at 1.x; 12.5.2026"},
        {"en_US", '.', "1235|6.50", "6.5 bar, 1.2 m3 at 1.x; 12.5.2026"},
    };
    for (const auto& c : cases) {
        LocaleScope scope(c.locale);
        EXPECT_EQ(SystemDecimalSeparator(), c.decimal) << c.locale;
        EXPECT_EQ((TableNumber(1234.5678) + QLatin1Char('|') + TableNumber(6.5)).toStdString(), c.table) << c.locale;
        EXPECT_EQ(SystemNumberText("6.5 bar, 1.2 m3 at 1.x; 12.5.2026").toStdString(), c.text) << c.locale;
        EXPECT_FALSE(SystemNumberStyle().group.empty()) << c.locale;
    }
}

// What the keys make of a spin box's text: the system's separator or "."
// before the decimals; a thousands separator is refused as it is typed.
TEST(SystemNumbersTest, SpinBoxTakesEitherSeparatorNeverAThousandsOne) {
    const struct {
        const char* locale;
        const char* typed;
        double value;
        const char* shown;
    } cases[] = {
        {"de_DE", "6,5", 6.5, "6,50"},     {"de_DE", "6.5", 6.5, "6,50"},
        {"de_DE", "1.500", 1.5, "1,50"},    // "." is a decimal point, never fifteen hundred
        {"de_DE", "1.500,5", 1.5, "1,50"},  // the "," after it is refused
        {"fr_FR", "6,5", 6.5, "6,50"},     {"fr_FR", "1 500", 1.0, "1,00"},        // the blank is refused
        {"en_US", "6.5", 6.5, "6.50"},     {"en_US", "1,500", 1500.0, "1500.00"},  // the "," is refused
    };
    for (const auto& c : cases) {
        LocaleScope scope(c.locale);
        DecimalSpinBox box;
        box.setRange(0, 100000);
        box.setDecimals(2);
        box.show();
        box.selectAll();
        QTest::keyClicks(&box, QString::fromUtf8(c.typed));
        QTest::keyClick(&box, Qt::Key_Return);
        EXPECT_DOUBLE_EQ(box.value(), c.value) << c.locale << " " << c.typed;
        EXPECT_EQ(box.text().toStdString(), c.shown) << c.locale << " " << c.typed;
    }
}

}  // namespace
}  // namespace zorvik
