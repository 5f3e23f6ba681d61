// zorvik-select: a command-line front on the program's own selection and
// drawing code, for scripts and for checking numbers without the windows. It
// has no engineering of its own.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/chart_command.h"
#include "cli/commands.h"
#include "cli/compare_command.h"
#include "cli/drawing_command.h"
#include "cli/point_command.h"
#include "cli/selection_commands.h"

namespace zorvik::cli {
namespace {

// Each command lives in its own file.
const Command* const kCommands[] = {
    &FlowCommand,
    &FillCommand,
    &CompareCommand,
    &PointCommand,
    &ChartCommand,
    &DrawingCommand,
};

void PrintOverview() {
    std::printf("usage: zorvik-select <command> [options]\n\ncommands:\n");
    for (const Command* c : kCommands) std::printf("  %-9s %s\n", c->name, c->summary);
    std::printf("\n\"zorvik-select <command> --help\" lists the options of a command.\n");
}

}  // namespace

int Main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
        PrintOverview();
        return argc < 2 ? ExitFailed : ExitOk;
    }
    const std::string name = argv[1];
    const Words args(argv + 2, argv + argc);
    for (const Command* c : kCommands) {
        if (name != c->name) continue;
        if (args.size() == 1 && args[0] == "--help") {
            c->help();
            return ExitOk;
        }
        return c->run(args);
    }
    std::fprintf(stderr, "zorvik-select: unknown command \"%s\"\n", name.c_str());
    PrintOverview();
    return ExitFailed;
}

}  // namespace zorvik::cli

int main(int argc, char** argv) { return zorvik::cli::Main(argc, argv); }
