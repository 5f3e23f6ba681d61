// Test main for everything that makes widgets: offscreen, one QApplication,
// no real message boxes (tests that expect one install a NoticeRecorder).

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("arial")));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
