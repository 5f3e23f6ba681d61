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
    "                                the first one found is read, alone.";

}  // namespace

void SetUpProgramOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.addHelpOption();
    parser.addVersionOption();
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
