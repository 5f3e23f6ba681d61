#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QUuid>

#include "platform/system_message.h"

namespace zorvik {
namespace {

// Tests run side by side, so each uses a name of its own.
QString UniqueName() {
    return QStringLiteral("zorvik-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces).left(12);
}

TEST(NamedSystemMessageTest, ListenerHearsEachMessage) {
    const QString name = UniqueName();
    NamedSystemMessage listener(name);
    ASSERT_TRUE(listener.IsListening());
    QSignalSpy heard(&listener, &NamedSystemMessage::received);
    EXPECT_TRUE(SendNamedSystemMessage(name));
    ASSERT_TRUE(heard.wait(3000));
    EXPECT_TRUE(SendNamedSystemMessage(name));
    EXPECT_TRUE(heard.count() == 2 || heard.wait(3000));
    EXPECT_EQ(heard.count(), 2);
}

TEST(NamedSystemMessageTest, NobodyListening) {
    EXPECT_FALSE(SendNamedSystemMessage(UniqueName(), 200));
}

TEST(NamedSystemMessageTest, SecondListenerLeavesTheFirstAlone) {
    const QString name = UniqueName();
    NamedSystemMessage first(name);
    NamedSystemMessage second(name);
    EXPECT_TRUE(first.IsListening());
    EXPECT_FALSE(second.IsListening());
    QSignalSpy heard(&first, &NamedSystemMessage::received);
    EXPECT_TRUE(SendNamedSystemMessage(name));
    EXPECT_TRUE(heard.wait(3000));
}

#ifdef Q_OS_UNIX
// A program that crashed leaves its socket file behind; the next one must
// still be able to listen.
TEST(NamedSystemMessageTest, TakesOverANameLeftBehind) {
    const QString name = UniqueName();
    const QString leftOver = QDir(QDir::tempPath()).filePath(name);
    QFile file(leftOver);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    NamedSystemMessage listener(name);
    EXPECT_TRUE(listener.IsListening());
    QSignalSpy heard(&listener, &NamedSystemMessage::received);
    EXPECT_TRUE(SendNamedSystemMessage(name));
    EXPECT_TRUE(heard.wait(3000));
}
#endif

}  // namespace
}  // namespace zorvik
