#include "selection_layouts.h"

#include "session.h"

namespace zorvik {

bool ShownInLayout(SelectionEntry entry, int applicationType) {
    const SelectionEntryInfo& info = SelectionEntries[entry];
    return applicationType == ApplicationFillCylinder ? info.fillLayout : info.flowLayout;
}

const char* EntryCaption(SelectionEntry entry, bool metric) {
    return metric ? SelectionEntries[entry].metric : SelectionEntries[entry].imperial;
}

SelectionHeadings HeadingsOf(int applicationType, bool metric) {
    if (applicationType == ApplicationFillCylinder) {
        if (metric)
            return {ZORVIK_TR_NOOP("SelectionLayouts", "Fill Time Minutes"),
                    ZORVIK_TR_NOOP("SelectionLayouts", "Average Air used n.m3"),
                    ZORVIK_TR_NOOP("SelectionLayouts", "Total Air n.m3"),
                    ZORVIK_TR_NOOP("SelectionLayouts", "Average Cycles / Min")};
        return {ZORVIK_TR_NOOP("SelectionLayouts", "Fill Time Minutes"),
                ZORVIK_TR_NOOP("SelectionLayouts", "Average Air Used Scfm"),
                ZORVIK_TR_NOOP("SelectionLayouts", "Total Air S.Cu.Ft"),
                ZORVIK_TR_NOOP("SelectionLayouts", "Average Cycles / Min")};
    }
    if (metric)
        return {ZORVIK_TR_NOOP("SelectionLayouts", "Flow rate nl/min"),
                ZORVIK_TR_NOOP("SelectionLayouts", "Air used n.m3"), "",
                ZORVIK_TR_NOOP("SelectionLayouts", "Cycles / Min")};
    return {ZORVIK_TR_NOOP("SelectionLayouts", "Flow rate Scfm"), ZORVIK_TR_NOOP("SelectionLayouts", "Air Used Scfm"),
            "", ZORVIK_TR_NOOP("SelectionLayouts", "Cycles / Min")};
}

const char* SchematicCaption(int applicationType) {
    return applicationType == ApplicationFillCylinder
               ? ZORVIK_TR_NOOP("SelectionLayouts", "Constant pressure source charging vessel or cylinders")
               : ZORVIK_TR_NOOP("SelectionLayouts", "Constant pressure source feeding continuous process");
}

const char* GasTemperatureCaption(bool metric) {
    return metric ? ZORVIK_TR_NOOP("SelectionLayouts",
                                   "Gas \xC2\xB0"
                                   "C")
                  : ZORVIK_TR_NOOP("SelectionLayouts",
                                   "Gas \xC2\xB0"
                                   "F");
}

const char* TemperatureLimitCaption(bool metric) {
    return metric ? ZORVIK_TR_NOOP("SelectionLayouts",
                                   "Limit \xC2\xB0"
                                   "C")
                  : ZORVIK_TR_NOOP("SelectionLayouts",
                                   "Limit \xC2\xB0"
                                   "F");
}

const char* UnitSwitchCaption(bool metric) {
    return metric ? ZORVIK_TR_NOOP("SelectionLayouts", "Change to Imperial &Units")
                  : ZORVIK_TR_NOOP("SelectionLayouts", "Change to Metric &Units");
}

}  // namespace zorvik
