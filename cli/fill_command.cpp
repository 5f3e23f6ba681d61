#include <cstdio>

#include "numeric_entry.h"
#include "batch_command.h"
#include "gas_options.h"
#include "run_selection_command.h"
#include "selection_commands.h"
#include "session.h"
#include "vessel_charging.h"

namespace zorvik::cli {

const SelectionCommandSpec FillSelectionSpec = {
    "fill",
    ApplicationFillCylinder,
    {
        {"drive", &SelectionFields::pAirDrivePsiEdit, PressureEntry},
        {"air", &SelectionFields::qAirScfmEdit, FlowEntry},
        {"inlet", &SelectionFields::pSupplyPsiEdit, PressureEntry},
        {"initial", &SelectionFields::OutStartPsiEdit, PressureEntry},
        {"final", &SelectionFields::OutFinalPsiEdit, PressureEntry},
        {"capacity", &SelectionFields::OutCapacityFt3Edit, FlowEntry},
    },
    {"metric", "ignore-air", "no-equalise"},
    VesselChargingSelection,
};

namespace {

void Help() {
    std::printf(
        "usage: zorvik-select fill --drive P --air Q --inlet P --initial P --final P --capacity V\n"
        "                          [--metric] [--ignore-air] [--no-equalise] [<gas options>]\n"
        "                          [--format table|csv|json]\n"
        "       zorvik-select fill --batch FILE [<the options above but the six values>]\n\n"
        "Lists the amplifiers that charge a vessel from a gas source at constant\n"
        "pressure, as the selection window's \"Fill Cylinder\" application.\n"
        "Values are typed as into the window's fields (\".\" as decimal point).\n\n"
        "  --drive P      air drive pressure, psig (barg with --metric); 40 to 150 psig\n"
        "  --air Q        drive air flow available, scfm (nl/min with --metric)\n"
        "  --inlet P      gas inlet (supply) pressure, psig (barg)\n"
        "  --initial P    vessel pressure at the start, psig (barg)\n"
        "  --final P      vessel pressure to reach, psig (barg); not below the initial\n"
        "  --capacity V   vessel capacity, cubic feet (litres with --metric)\n"
        "  --metric       enter and show barg, nl/min, litres and n.m3\n"
        "  --ignore-air   do not cut models back to the drive air available\n"
        "  --no-equalise  when the initial pressure is below the inlet pressure, answer\n"
        "                 Cancel instead of OK (OK starts the vessel at the inlet pressure)\n"
        "  --format F     table (default), csv or json\n"
        "%s"
        "  --batch FILE   size every duty point of a file (\"-\": standard input) whose\n"
        "                 header names the values: drive,air,inlet,initial,final,capacity\n\n"
        "Columns: fill time (minutes), average drive air used (scfm; n.m3/min metric),\n"
        "average cycles per minute and total drive air (standard cubic feet; n.m3\n"
        "metric), with the window's decimals; with a gas other than air or a\n"
        "temperature limit also the average mass flow over the fill (lb/h; kg/h\n"
        "metric), the discharge temperature of the last stage at the final pressure\n"
        "(degF; degC metric; adiabatic, without cooling: an upper bound) and, with a\n"
        "limit, whether it is over. JSON rows also give \"fill_minutes\",\n"
        "\"total_air_scf\", \"average_air_scfm\" and \"average_cycles_per_min\" at full\n"
        "precision, and \"mass_flow_kg_h\", \"stage_discharge_temperatures_c\",\n"
        "\"discharge_temperature_c\", \"over_temperature_limit\" and\n"
        "\"gas_delivered_scf\" (by the document's \"contents_basis\": \"ideal\", or\n"
        "\"real\" with --real-gas); the document names the \"gas\" and carries its\n"
        "\"safety_note\", which goes to stderr after a table or CSV. A final pressure\n"
        "at which the gas would be liquid lists no model. When no model is listed\n"
        "the table names the nearest and why it is left out (JSON: \"nearest\").\n\n"
        "%s"
        "Exit status 0 when the search ran (with or without selections); 2 for a\n"
        "usage error, an invalid value, a failed check or a Cancel answer (message\n"
        "on stderr).\n",
        GasOptionsHelp(17).c_str(), BatchFileHelp);
}

int Run(const Words& args, const Translator* reader) { return RunSelectionCommand(FillSelectionSpec, args, reader); }

}  // namespace

const Command FillCommand = {"fill", "models for a constant source charging a vessel", Run, Help};

}  // namespace zorvik::cli
