// The program: its session and notices, then the windows on them, then the
// main window's message loop until it closes.

#include <QApplication>
#include <QCommandLineParser>
#include <QFont>

#include "build_info.h"
#include "program_language.h"
#include "qt_notices.h"
#include "app_windows.h"
#include "program_options.h"

int main(int argc, char* argv[]) {
    // The name is also the name of the user's configuration folder.
    QCoreApplication::setApplicationName(QStringLiteral("zorvik-amplifiers"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZORVIK_VERSION));
    zorvik::AnswerHelpOrVersion(argc, argv);

    QApplication app(argc, argv);
    QCommandLineParser parser;
    zorvik::SetUpProgramOptions(parser);
    parser.process(app);
    // Lets a Wayland desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.zorvik.amplifiers"));
    QApplication::setFont(QFont(QStringLiteral("arial")));

    // The language comes before the windows, so each is made in it.
    zorvik::ProgramLanguage language;
    language.Use(zorvik::StartLanguage());
    zorvik::Session session;
    zorvik::QtNotices notices;
    const auto windows = zorvik::CreateAppWindows(session, notices);
    windows->ZorvAmpMainForm->SetProgramLanguage(&language);
    windows->ZorvAmpMainForm->show();
    return QApplication::exec();
}
