// A refused entry quotes the whole field; pasted text makes that thousands
// of characters on one line, which a message box would cut off at the
// screen's edge together with the words that say what is wrong.

#include <gtest/gtest.h>

#include <QString>
#include <string>

#include "qt_notices.h"

namespace zorvik {
namespace {

TEST(HostileMessageBoxTest, LongLinesKeepTheirStartAndEnd) {
    const QString ellipsis(QChar(0x2026));
    const struct {
        std::string text;
        QString shown;
    } cases[] = {
        {"abc is not valid value", QStringLiteral("abc is not valid value")},
        {"Outlet pressure must be greater\rthan inlet pressure!",
         QStringLiteral("Outlet pressure must be greater\nthan inlet pressure!")},
        {std::string(61, '9') + " is not valid value", QString(61, QChar('9')) + " is not valid value"},
        {std::string(10000, '9') + " is not valid value",
         QString(38, QChar('9')) + ellipsis + QString(19, QChar('9')) + " is not valid value"},
        {"Loading " + std::string(200, 'p') + "\rloading error.",
         "Loading " + QString(30, QChar('p')) + ellipsis + QString(38, QChar('p')) + "\nloading error."},
    };
    for (const auto& c : cases) EXPECT_EQ(MessageBoxText(c.text), c.shown) << c.text.substr(0, 40);
}

}  // namespace
}  // namespace zorvik
