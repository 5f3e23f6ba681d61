// zorvik-select: a command-line front on the program's own selection and
// drawing code, for scripts and for checking numbers without the windows. It
// has no engineering of its own.

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "build_info.h"
#include "arguments.h"
#include "chart_command.h"
#include "commands.h"
#include "compare_command.h"
#include "drawing_command.h"
#include "gases_command.h"
#include "job_command.h"
#include "point_command.h"
#include "reader_language.h"
#include "model_chart_command.h"
#include "saturation_command.h"
#include "selection_commands.h"
#include "sheet_command.h"

namespace zorvik::cli {
namespace {

// Each command lives in its own file.
const Command* const kCommands[] = {
    &FlowCommand,  &FillCommand,       &CompareCommand,    &PointCommand, &ChartCommand, &DrawingCommand,
    &SheetCommand, &ModelChartCommand, &SaturationCommand, &GasesCommand, &JobCommand,
};

void PrintOverview(std::FILE* to) {
    std::fprintf(to,
                 "usage: zorvik-select <command> [options]\n"
                 "Selection, performance figures, charts and drawings of Zorvik air pressure\n"
                 "amplifiers from the command line.\n\ncommands:\n");
    for (const Command* c : kCommands) std::fprintf(to, "  %-9s %s\n", c->name, c->summary);
    std::fprintf(to,
                 "\noptions:\n"
                 "  --help     this overview; \"zorvik-select <command> --help\" lists the options of a command\n"
                 "  --version  the program's version\n"
                 "  --language LANG  after a command: write what is meant for people - why a model is\n"
                 "             not listed, pages, pictures, a job's schedule - in LANG (de, fr, it, es,\n"
                 "             nl); everything else stays English\n"
                 "\nIt reads and writes no settings; the office files of the window program are\n"
                 "described in zorvik-amplifiers(1).\n");
}

}  // namespace

int Main(int argc, char** argv) {
    // Asked for, the overview is the answer; given for a missing command, it says what went wrong.
    if (argc < 2) {
        PrintOverview(stderr);
        return ExitFailed;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
        PrintOverview(stdout);
        return ExitOk;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("zorvik-select %s\n", ZORVIK_VERSION);
        return ExitOk;
    }
    const std::string name = argv[1];
    Words args(argv + 2, argv + argc);
    std::string error;
    const ReaderLanguage language(args, error);
    if (!error.empty()) return Failure(name, error);
    for (const Command* c : kCommands) {
        if (name != c->name) continue;
        if (args.size() == 1 && args[0] == "--help") {
            c->help();
            return ExitOk;
        }
        return c->run(args, language.Reader());
    }
    std::fprintf(stderr, "zorvik-select: unknown command \"%s\"\n", name.c_str());
    PrintOverview(stderr);
    return ExitFailed;
}

}  // namespace zorvik::cli

int main(int argc, char** argv) {
#if defined(SIGXFSZ)
    // A file that outgrows the user's size limit is a failed write to report
    // (and its temporary to remove), not a killed program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    return zorvik::cli::Main(argc, argv);
}
