// Test main for everything that makes widgets: offscreen, one QApplication,
// no real message boxes - every test runs inside a strict notice recorder,
// and tests that expect a message install their own.

#include <QApplication>
#include <QFont>

#include "language.h"
#include "support/notice_recorder.h"
#include "support/strict_notices.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("arial")));
    // Messages are recorded as a window would show them, in the language installed.
    zorvik::testing::NoticeRecorder::SayTextsWith(zorvik::texts::DesktopTranslator());
    zorvik::testing::InitTests(&argc, argv);
    return RUN_ALL_TESTS();
}
