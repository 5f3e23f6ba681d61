#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

#include "heading_label.h"

namespace zorvik {
namespace {

// Headings break at blanks only, so unit words such as "nl/min" and "n.m3"
// stay whole.
TEST(HeadingLinesTest, BreaksAtBlanksOnly) {
    QFont bold(QStringLiteral("arial"));
    bold.setPixelSize(16);
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    struct Case {
        const char* text;
        int width;
        QStringList lines;
    };
    const Case cases[] = {
        {"Flow rate nl/min", 95, {"Flow rate", "nl/min"}},
        {"Air used n.m3", 98, {"Air used", "n.m3"}},
        {"Average Air used n.m3", 98, {"Average Air", "used n.m3"}},
        {"Model       Number   ", 125, {"Model", "Number"}},
        {"Cycles / Min", 106, {"Cycles / Min"}},
        {"Average Cycles / Min", 106, {"Average", "Cycles / Min"}},
        {"Total Air S.Cu.Ft", 85, {"Total Air", "S.Cu.Ft"}},
        {"Unbreakable", 20, {"Unbreakable"}},
        {"", 50, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HeadingLines(QString::fromLatin1(c.text), metrics, c.width), c.lines) << c.text;
}

}  // namespace
}  // namespace zorvik
