#include <gtest/gtest.h>

#include <QImage>

#include "canvas.h"
#include "text_fit.h"

namespace zorvik {
namespace {

// What is kept of a text is a prefix that ends on a whole character, and it
// fits with its "…".
TEST(TextFitTest, ShortensAtWholeCharactersToFit) {
    QImage surface(400, 100, QImage::Format_RGB32);
    Canvas canvas(surface);
    canvas.SetFont(QStringLiteral("Arial"), 10);
    const QString accented = QString(QStringLiteral("e\u0301")).repeated(200);  // e + combining acute
    const QString flags =
        QString(QStringLiteral("\U0001F1EC\U0001F1E7")).repeated(100);  // one flag, two code points each
    const struct {
        const char* what;
        QString text;
        int width;
        bool shortened;
        int unit;  // code units per whole character
    } cases[] = {
        {"fits", QStringLiteral("Zorvik Pneumatics Ltd."), 300, false, 1},
        {"plain letters", QString(QLatin1Char('x')).repeated(500), 300, true, 1},
        {"a combining accent", accented, 300, true, 2},
        {"surrogate pairs", flags, 300, true, 4},
        {"100,000 characters", QString(QLatin1Char('W')).repeated(100000), 300, true, 1},
        {"no room at all", QStringLiteral("Zorvik"), 1, true, 1},
    };
    for (const auto& c : cases) {
        const QString fitted = FitText(canvas, c.text, c.width);
        if (!c.shortened) {
            EXPECT_EQ(fitted, c.text) << c.what;
            continue;
        }
        ASSERT_TRUE(fitted.endsWith(QChar(0x2026))) << c.what;
        const QString kept = fitted.chopped(1);
        EXPECT_TRUE(c.text.startsWith(kept)) << c.what;
        EXPECT_EQ(kept.size() % c.unit, 0) << c.what;
        if (c.width > 1) {
            EXPECT_LE(canvas.TextWidth(fitted), c.width) << c.what;
            EXPECT_GT(canvas.TextWidth(c.text.left(kept.size() + c.unit) + QChar(0x2026)), c.width) << c.what;
        }
    }
}

}  // namespace
}  // namespace zorvik
