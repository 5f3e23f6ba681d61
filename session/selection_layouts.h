#pragma once
// The texts and field sets of the selection window's two layouts and two
// unit systems: which entry fields each application shows, their captions,
// the column headings over the result list and the schematic's caption.
// The texts are English; the window translates them in the context
// "SelectionLayouts" where it shows them.

#include <array>

#include "numeric_entry.h"
#include "text.h"

namespace zorvik {

// The eight entry fields, in the order a unit switch converts them.
enum SelectionEntry : int {
    DriveEntry,     // pAirDrivePsiEdit
    AirEntry,       // qAirScfmEdit
    InletEntry,     // pSupplyPsiEdit
    FlowReqdEntry,  // FlowrateReqdScfmEdit
    OutletEntry,    // pOutletPsiEdit
    StartEntry,     // OutStartPsiEdit
    FinalEntry,     // OutFinalPsiEdit
    CapacityEntry,  // OutCapacityFt3Edit
    SelectionEntryCount
};

struct SelectionEntryInfo {
    EntryKind kind;        // how ReadEntryField and the unit switch take it
    bool flowLayout;       // shown for a continuous process
    bool fillLayout;       // shown for vessel charging
    const char* imperial;  // caption of its label
    const char* metric;
};

// clang-format off
inline constexpr std::array<SelectionEntryInfo, SelectionEntryCount> SelectionEntries = {{
    //  kind        flow   fill   imperial caption                                            metric caption
    {PressureEntry, true,  true,  ZORVIK_TR_NOOP("SelectionLayouts", "Air Drive psig"),       ZORVIK_TR_NOOP("SelectionLayouts", "Air Drive barg")},
    {FlowEntry,     true,  true,  ZORVIK_TR_NOOP("SelectionLayouts", "Air Drive Flow scfm"),  ZORVIK_TR_NOOP("SelectionLayouts", "Air Drive Flow nl/min")},
    {PressureEntry, true,  true,  ZORVIK_TR_NOOP("SelectionLayouts", "Air / Gas Inlet psig"), ZORVIK_TR_NOOP("SelectionLayouts", "Air / Gas Inlet barg")},
    {FlowEntry,     true,  false, ZORVIK_TR_NOOP("SelectionLayouts", "Flow rate scfm"),       ZORVIK_TR_NOOP("SelectionLayouts", "Flow rate nl/min")},
    {PressureEntry, true,  false, ZORVIK_TR_NOOP("SelectionLayouts", "Outlet psig"),          ZORVIK_TR_NOOP("SelectionLayouts", "Outlet barg")},
    {PressureEntry, false, true,  ZORVIK_TR_NOOP("SelectionLayouts", "Initial psig"),         ZORVIK_TR_NOOP("SelectionLayouts", "Initial barg")},
    {PressureEntry, false, true,  ZORVIK_TR_NOOP("SelectionLayouts", "Final psig"),           ZORVIK_TR_NOOP("SelectionLayouts", "Final barg")},
    {FlowEntry,     false, true,  ZORVIK_TR_NOOP("SelectionLayouts", "Capacity ft.3"),        ZORVIK_TR_NOOP("SelectionLayouts", "Capacity litres")},
}};
// clang-format on

bool ShownInLayout(SelectionEntry entry, int applicationType);
const char* EntryCaption(SelectionEntry entry, bool metric);

// The texts over the result columns, by application and units.
struct SelectionHeadings {
    const char* flowOrTime;  // FlowrateHdLabel
    const char* air;         // AirConsumpHdLabel
    const char* totalAir;    // TotalAirConsumpHdLabel
    const char* cycles;      // cyclesMinHdLabel
};
SelectionHeadings HeadingsOf(int applicationType, bool metric);

// The caption under the schematic of an application.
const char* SchematicCaption(int applicationType);

const char* UnitSwitchCaption(bool metric);

// The captions of the gas temperature and the discharge limit fields.
const char* GasTemperatureCaption(bool metric);
const char* TemperatureLimitCaption(bool metric);

// The rows ShowInstructions writes into the empty result list.
inline constexpr std::array<const char*, 6> InstructionRows = {
    " ",
    " ",
    " ",
    ZORVIK_TR_NOOP("SelectionLayouts", "\t\tEnter data for this type of application"),
    ZORVIK_TR_NOOP("SelectionLayouts", "\t\tand click list selections to"),
    ZORVIK_TR_NOOP("SelectionLayouts", "\t\tdisplay possible options."),
};

}  // namespace zorvik
