#include "job_command.h"

#include <cstdio>

#include "arguments.h"
#include "job_subcommands.h"

namespace zorvik::cli {
namespace {

// clang-format off
const JobSubcommand kSubcommands[] = {
    {"new",    "--name TEXT [--customer TEXT] [--reference TEXT] [--engineer TEXT] [--revision TEXT]\n"
               "         [--date TEXT] [--kw-per-100scfm K] [--hours H] [--price C] [--inlet-is-plant-air]",
     RunJobNew},
    {"add",    "--tag TEXT [--quantity N] [--model N] [--notes TEXT] --application flow|fill\n"
               "         <the conditions of flow or fill> [--metric] [--ignore-air] [--ignore-flow]\n"
               "         [--inlet-equals-drive] [--gas NAME] [--gas-temperature C] [--temperature-limit C]\n"
               "         [--real-gas] [--inlet-is-plant-air]",
     RunJobAdd},
    {"show",   "[--format table|csv|json]", RunJobShow},
    {"check",  "", RunJobCheck},
    {"report", "--out pack.pdf|schedule.csv|schedule.xlsx", RunJobReport},
};
// clang-format on

void Help() {
    std::printf("usage: zorvik-select job <word> FILE [options]\n\n");
    for (const JobSubcommand& s : kSubcommands) std::printf("  job %s FILE %s\n", s.name, s.usage);
    std::printf(
        "\nA job is one customer's duties (line items, each with a tag such as \"B-101\")\n"
        "in a .zjob file (JSON, see doc/job-format.md). \"new\" makes the file (never\n"
        "over an existing one); \"add\" appends an item whose conditions are typed as\n"
        "for \"zorvik-select flow\" or \"fill\" (psig, scfm, cubic feet; --metric: barg,\n"
        "nl/min, litres) and kept as typed; its gas temperatures, given in degC as\n"
        "there, are kept in the item's units (degF unless --metric);\n"
        "--inlet-is-plant-air says that this item's gas is air from the drive supply,\n"
        "so its flow counts in the running cost (without it, the job's setting holds).\n"
        "Every save keeps the previous file as FILE~ and records each item's figures\n"
        "and the program's version.\n\n"
        "\"show\" lists the items with the chosen model's figures, computed now from\n"
        "the duties; its JSON gives each item the keys of \"compare --format json\".\n"
        "\"check\" recomputes every item and compares with the figures saved: exit 0\n"
        "when all agree, 1 and a line per changed figure when any differs. \"report\"\n"
        "writes the submittal as PDF (cover, schedule, and each item's duty,\n"
        "comparison, chart, drawing and rated data), or the schedule as CSV or an\n"
        "Excel workbook.\n\n"
        "Exit status 2 for a usage error or a file that cannot be read or written\n"
        "(the reason on stderr; the file is left as it was).\n");
}

int Run(const Words& args, const Translator* reader) {
    if (args.empty()) return JobUsageError("", "needs a word: new, add, show, check or report");
    for (const JobSubcommand& s : kSubcommands) {
        if (args[0] != s.name) continue;
        if (args.size() == 2 && args[1] == "--help") {
            Help();
            return ExitOk;
        }
        if (args.size() < 2 || args[1].rfind("--", 0) == 0) return JobUsageError(s.name, "the job FILE comes first");
        return s.run(args[1], Words(args.begin() + 2, args.end()), reader);
    }
    return JobUsageError("", "unknown word \"" + args[0] + "\"; the words are new, add, show, check and report");
}

}  // namespace

const Command JobCommand = {"job", "job files: a customer's duties, shown, checked and scheduled", Run, Help};

}  // namespace zorvik::cli
