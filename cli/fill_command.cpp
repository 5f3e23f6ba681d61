#include <cstdio>

#include "run_selection_command.h"
#include "selection_commands.h"
#include "session.h"
#include "vessel_charging.h"

namespace zorvik::cli {

const SelectionCommandSpec FillSelectionSpec = {
    "fill",
    ApplicationFillCylinder,
    {
        {"drive", &SelectionFields::pAirDrivePsiEdit},
        {"air", &SelectionFields::qAirScfmEdit},
        {"inlet", &SelectionFields::pSupplyPsiEdit},
        {"initial", &SelectionFields::OutStartPsiEdit},
        {"final", &SelectionFields::OutFinalPsiEdit},
        {"capacity", &SelectionFields::OutCapacityFt3Edit},
    },
    {"metric", "ignore-air", "no-equalise"},
    VesselChargingSelection,
};

namespace {

void Help() {
    std::printf(
        "usage: zorvik-select fill --drive P --air Q --inlet P --initial P --final P --capacity V\n"
        "                          [--metric] [--ignore-air] [--no-equalise] [--format table|csv|json]\n"
        "       zorvik-select fill --batch FILE [--metric] [--ignore-air] [--no-equalise] [--format F]\n\n"
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
        "  --batch FILE   size every duty point of a CSV file (\"-\": standard input)\n"
        "                 whose header names the options: drive,air,inlet,initial,\n"
        "                 final,capacity; every row gets a \"case\" column, the point's\n"
        "                 line number, and a line that cannot be sized its message\n\n"
        "Columns: fill time (minutes), average drive air used (scfm; n.m3/min metric),\n"
        "average cycles per minute and total drive air (standard cubic feet; n.m3\n"
        "metric), with the window's decimals. JSON rows also give \"fill_minutes\",\n"
        "\"total_air_scf\", \"average_air_scfm\" and \"average_cycles_per_min\" at full\n"
        "precision. Exit status 0 when the search ran (with or without selections);\n"
        "2 for a usage error, an invalid value, a failed check or a Cancel answer\n"
        "(message on stderr).\n");
}

int Run(const Words& args) { return RunSelectionCommand(FillSelectionSpec, args); }

}  // namespace

const Command FillCommand = {"fill", "models for a constant source charging a vessel", Run, Help};

}  // namespace zorvik::cli
