#include <cstdio>

#include "numeric_entry.h"
#include "batch_command.h"
#include "gas_options.h"
#include "run_selection_command.h"
#include "selection_commands.h"
#include "session.h"
#include "continuous_process.h"

namespace zorvik::cli {

const SelectionCommandSpec FlowSelectionSpec = {
    "flow",
    ApplicationFlow,
    {
        {"drive", &SelectionFields::pAirDrivePsiEdit, PressureEntry},
        {"air", &SelectionFields::qAirScfmEdit, FlowEntry},
        {"inlet", &SelectionFields::pSupplyPsiEdit, PressureEntry},
        {"outlet", &SelectionFields::pOutletPsiEdit, PressureEntry},
        {"flow", &SelectionFields::FlowrateReqdScfmEdit, FlowEntry},
    },
    {"metric", "ignore-air", "ignore-flow"},
    ContinuousProcessSelection,
};

namespace {

void Help() {
    std::printf(
        "usage: zorvik-select flow --drive P --air Q --inlet P --outlet P --flow Q\n"
        "                          [--metric] [--ignore-air] [--ignore-flow] [<gas options>]\n"
        "                          [--format table|csv|json]\n"
        "       zorvik-select flow --batch FILE [<the options above but the five values>]\n\n"
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
        "%s"
        "  --batch FILE   size every duty point of a file (\"-\": standard input) whose\n"
        "                 header names the values: drive,air,inlet,outlet,flow\n\n"
        "Columns: flow (scfm; nl/min metric), drive air used (scfm; n.m3/min metric)\n"
        "and cycles per minute, with the window's decimals; with a gas other than air\n"
        "or a temperature limit also its mass flow (lb/h; kg/h metric), the discharge\n"
        "temperature of the last stage (degF; degC metric; adiabatic, without cooling:\n"
        "an upper bound) and, with a limit, whether it is over. JSON rows also give\n"
        "\"flow_scfm\", \"air_scfm\" and \"cycles_per_min\" at full precision, and\n"
        "\"mass_flow_kg_h\", \"stage_discharge_temperatures_c\" (one a stage),\n"
        "\"discharge_temperature_c\" and \"over_temperature_limit\"; the document\n"
        "names the \"gas\" and carries its \"safety_note\", which goes to stderr after\n"
        "a table or CSV. An outlet pressure at which the gas would be liquid lists no\n"
        "model. When no model is listed the table names the nearest and why it is\n"
        "left out (JSON: \"nearest\").\n\n"
        "%s"
        "Exit status 0 when the search ran (with or without selections); 2 for a\n"
        "usage error, an invalid value or a failed check (message on stderr).\n",
        GasOptionsHelp(17).c_str(), BatchFileHelp);
}

int Run(const Words& args, const Translator* reader) { return RunSelectionCommand(FlowSelectionSpec, args, reader); }

}  // namespace

const Command FlowCommand = {"flow", "models for a constant source feeding a continuous process", Run, Help};

}  // namespace zorvik::cli
