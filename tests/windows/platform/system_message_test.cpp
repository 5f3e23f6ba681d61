#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QUuid>

#include "system_message.h"
#include "support/temporary_home.h"

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

TEST(NamedSystemMessageTest, NobodyListening) { EXPECT_FALSE(SendNamedSystemMessage(UniqueName(), 200)); }

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
class SessionMessageTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = qgetenv("DISPLAY");
        savedWayland_ = qgetenv("WAYLAND_DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        qputenv("DISPLAY", ":7");
    }
    void TearDown() override {
        qputenv("DISPLAY", saved_);
        if (savedWayland_.isNull())
            qunsetenv("WAYLAND_DISPLAY");
        else
            qputenv("WAYLAND_DISPLAY", savedWayland_);
    }
    QString RuntimeFile(const QString& name) const { return home_.Path(QStringLiteral("run/")) + name; }

    testing::TemporaryHome home_;
    QByteArray saved_, savedWayland_;
};

// The socket is a file of the user's runtime folder, named with the display:
// another user's program, or a file another user left in the temporary
// folder under the bare name, neither blocks nor hears this one.
TEST_F(SessionMessageTest, TheSocketLivesInTheUsersRuntimeFolder) {
    const QString name = UniqueName();
    QFile squatter(QDir(QDir::tempPath()).filePath(name));
    ASSERT_TRUE(squatter.open(QIODevice::WriteOnly));
    squatter.close();
    NamedSystemMessage listener(name);
    squatter.remove();
    EXPECT_TRUE(listener.IsListening());
    EXPECT_EQ(listener.SocketName(), RuntimeFile(name + QStringLiteral("-_7")));
    EXPECT_TRUE(QFileInfo(listener.SocketName()).exists());
    QSignalSpy heard(&listener, &NamedSystemMessage::received);
    EXPECT_TRUE(SendNamedSystemMessage(name));
    EXPECT_TRUE(heard.wait(3000));
}

TEST_F(SessionMessageTest, EachDisplayHasItsOwn) {
    const QString name = UniqueName();
    NamedSystemMessage onSeven(name);
    qputenv("DISPLAY", "localhost:10.0");
    NamedSystemMessage onTen(name);
    EXPECT_TRUE(onSeven.IsListening());
    EXPECT_TRUE(onTen.IsListening());
    EXPECT_NE(onSeven.SocketName(), onTen.SocketName());
    QSignalSpy heardOnSeven(&onSeven, &NamedSystemMessage::received);
    QSignalSpy heardOnTen(&onTen, &NamedSystemMessage::received);
    EXPECT_TRUE(SendNamedSystemMessage(name));
    EXPECT_TRUE(heardOnTen.wait(3000));
    EXPECT_EQ(heardOnSeven.count(), 0);
}

// A program that crashed leaves its socket file behind; the next one cleans
// it away and listens.
TEST_F(SessionMessageTest, TakesOverANameLeftBehind) {
    const QString name = UniqueName();
    QFile file(RuntimeFile(name + QStringLiteral("-_7")));
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
