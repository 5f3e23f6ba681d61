#pragma once
// The program's command line: --help and --version, nothing else of its own
// (Qt's options such as -style are Qt's).

class QCommandLineParser;

namespace zorvik {

// The parser with the program's description and its two options.
void SetUpProgramOptions(QCommandLineParser& parser);

// Answers --help and --version and ends the process when one is asked for.
// Runs before the window system is reached, so both work without a display.
void AnswerHelpOrVersion(int argc, char** argv);

}  // namespace zorvik
