// The program: shared state first (done before main), then the windows, then
// the main window's message loop until it closes.

#include <QApplication>
#include <QFont>

#include "platform/qt_notices.h"
#include "shell/app_windows.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvik Air Pressure Amplifiers"));
    QApplication::setFont(QFont(QStringLiteral("arial")));

    zorvik::QtNotices notices;
    zorvik::InstallNotices(&notices);

    const auto windows = zorvik::CreateAppWindows();
    windows->ZorvAmpMainForm->show();
    const int result = QApplication::exec();
    zorvik::InstallNotices(nullptr);
    return result;
}
