#include <cstdio>

#include "run_selection_command.h"
#include "selection_commands.h"
#include "session.h"
#include "continuous_process.h"

namespace zorvik::cli {

const SelectionCommandSpec FlowSelectionSpec = {
    "flow",
    ApplicationFlow,
    {
        {"drive", &SelectionFields::pAirDrivePsiEdit},
        {"air", &SelectionFields::qAirScfmEdit},
        {"inlet", &SelectionFields::pSupplyPsiEdit},
        {"outlet", &SelectionFields::pOutletPsiEdit},
        {"flow", &SelectionFields::FlowrateReqdScfmEdit},
    },
    {"metric", "ignore-air", "ignore-flow"},
    ContinuousProcessSelection,
};

namespace {

void Help() {
    std::printf(
        "usage: zorvik-select flow --drive P --air Q --inlet P --outlet P --flow Q\n"
        "                          [--metric] [--ignore-air] [--ignore-flow] [--format table|csv|json]\n"
        "       zorvik-select flow --batch FILE [--metric] [--ignore-air] [--ignore-flow] [--format F]\n\n"
        "Lists the amplifiers that deliver a required flow continuously from a gas\n"
        "source at constant pressure, as the selection window's \"Flow\" application.\n"
        "Values are typed as into the window's fields (\".\" as decimal point).\n\n"
        "  --drive P      air drive pressure, psig (barg with --metric); 40 to 150 psig\n"
        "  --air Q        drive air flow available, scfm (nl/min with --metric)\n"
        "  --inlet P      gas inlet (supply) pressure, psig (barg)\n"
        "  --outlet P     required outlet pressure, psig (barg); not below the inlet\n"
        "  --flow Q       required outlet flow, scfm (nl/min); above 0\n"
        "  --metric       enter and show barg, nl/min and n.m3/min\n"
        "  --ignore-air   do not cut models back to the drive air available\n"
        "  --ignore-flow  list models whatever their flow\n"
        "  --format F     table (default), csv or json\n"
        "  --batch FILE   size every duty point of a CSV file (\"-\": standard input)\n"
        "                 whose header names the options: drive,air,inlet,outlet,flow;\n"
        "                 every row gets a \"case\" column, the point's line number,\n"
        "                 and a line that cannot be sized its message\n\n"
        "Columns: flow (scfm; nl/min metric), drive air used (scfm; n.m3/min metric)\n"
        "and cycles per minute, with the window's decimals. JSON rows also give\n"
        "\"flow_scfm\", \"air_scfm\" and \"cycles_per_min\" at full precision.\n"
        "Exit status 0 when the search ran (with or without selections); 2 for a\n"
        "usage error, an invalid value or a failed check (message on stderr).\n");
}

int Run(const Words& args) { return RunSelectionCommand(FlowSelectionSpec, args); }

}  // namespace

const Command FlowCommand = {"flow", "models for a constant source feeding a continuous process", Run, Help};

}  // namespace zorvik::cli
