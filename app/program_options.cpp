#include "program_options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace zorvik {
namespace {

constexpr const char* kDescription =
    "Selection and sizing of Zorvik air pressure amplifiers: stall pressure, cycling speed,\n"
    "flow and drive-air use at any operating point, performance charts, dimensioned\n"
    "drawings, data sheets and printed reports.\n"
    "\n"
    "Files:\n"
    "  ZCompanyIdx03.dat             the chosen office, kept in the user's configuration\n"
    "                                folder ($XDG_CONFIG_HOME/zorvik-amplifiers, by default\n"
    "                                ~/.config/zorvik-amplifiers); while the user has none\n"
    "                                there, the one beside the program is read, never written.\n"
    "  ZorvikAmplifierAddresses.txt  the office addresses, looked for in the user's\n"
    "                                configuration folder, then in the system's\n"
    "                                ($XDG_CONFIG_DIRS/zorvik-amplifiers, by default\n"
    "                                /etc/xdg/zorvik-amplifiers), then beside the program;\n"
    "                                the first one found is read, alone.\n"
    "  autosave-N.zjob               the open job with its unsaved changes, kept every\n"
    "                                minute in the user's state folder ($XDG_STATE_HOME/\n"
    "                                zorvik-amplifiers, by default ~/.local/state/\n"
    "                                zorvik-amplifiers) and offered back at the next start\n"
    "                                when the program ended without closing.";

const QString kAutosaveSeconds = QStringLiteral("autosave-seconds");
const QString kAnswer = QStringLiteral("answer-questions");
const QString kAddItem = QStringLiteral("add-item");

QCommandLineOption HiddenOption(const QString& name, const QString& value) {
    QCommandLineOption option(name, QString(), value);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

}  // namespace

void SetUpProgramOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE.zjob"), QStringLiteral("A job file to open in the job window."),
                                 QStringLiteral("[FILE.zjob]"));
    parser.addOption(HiddenOption(kAutosaveSeconds, QStringLiteral("seconds")));
    parser.addOption(HiddenOption(kAnswer, QStringLiteral("ok|cancel")));
    parser.addOption(HiddenOption(kAddItem, QStringLiteral("tag")));
}

ProgramOptions ReadProgramOptions(const QCommandLineParser& parser) {
    ProgramOptions options;
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) options.jobFile = files.front();
    options.autosaveSeconds = parser.value(kAutosaveSeconds).toInt();
    options.answerQuestions = parser.value(kAnswer);
    options.addItemTag = parser.value(kAddItem);
    return options;
}

void AnswerHelpOrVersion(int argc, char** argv) {
    QCommandLineParser parser;
    SetUpProgramOptions(parser);
    QStringList words;
    for (int i = 0; i < argc; ++i) words << QString::fromLocal8Bit(argv[i]);
    // Qt's own options are not known here; the window program checks the
    // rest once Qt has taken its own.
    parser.parse(words);
    if (!parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("version"))) return;
    QCoreApplication app(argc, argv);
    parser.process(app);
}

}  // namespace zorvik
