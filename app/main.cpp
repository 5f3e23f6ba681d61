// The program: its session and notices, then the windows on them, then the
// jobs (one left behind by a crash, the file named), then the message loop
// until the last window closes.

#include <QApplication>
#include <QCommandLineParser>
#include <QFont>

#include "build_info.h"
#include "program_language.h"
#include "qt_notices.h"
#include "app_windows.h"
#include "job_start.h"
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
    const zorvik::ProgramOptions options = zorvik::ReadProgramOptions(parser);
    // Lets a Wayland desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.zorvik.amplifiers"));
    QApplication::setFont(QFont(QStringLiteral("arial")));

    // The language comes before the windows, so each is made in it.
    zorvik::ProgramLanguage language;
    language.Use(zorvik::StartLanguage());
    zorvik::Session session;
    std::unique_ptr<zorvik::Notices> notices = std::make_unique<zorvik::QtNotices>();
    if (!options.answerQuestions.isEmpty())
        notices = zorvik::AnsweringNotices(options.answerQuestions == QStringLiteral("ok"));
    const auto windows = zorvik::CreateAppWindows(session, *notices);
    windows->ZorvAmpMainForm->SetProgramLanguage(&language);
    windows->ZorvAmpMainForm->show();
    zorvik::StartJobs(*windows, *notices, options);
    return QApplication::exec();
}
