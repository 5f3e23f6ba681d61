#pragma once
// The program's command line: --help and --version, and a job file to open
// (Qt's options such as -style are Qt's). Three options are for the tests
// that run the program itself and are left out of --help: the interval of
// the job kept against a crash, notices answered on stderr instead of
// shown, and an item added to the open job as the user would.

#include <QString>

class QCommandLineParser;

namespace zorvik {

// The parser with the program's description, its options and the file.
void SetUpProgramOptions(QCommandLineParser& parser);

// Answers --help and --version and ends the process when one is asked for.
// Runs before the window system is reached, so both work without a display.
void AnswerHelpOrVersion(int argc, char** argv);

struct ProgramOptions {
    QString jobFile;          // a .zjob file to open in the job window
    int autosaveSeconds = 0;  // 0: every minute
    QString answerQuestions;  // "ok" or "cancel": no message box is shown
    QString addItemTag;       // an item added to the open job, with this tag
};

// The options of a parser that has processed the command line.
ProgramOptions ReadProgramOptions(const QCommandLineParser& parser);

}  // namespace zorvik
