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
        if (metric) return {"Fill Time Minutes", "Average Air used n.m3", "Total Air n.m3", "Average Cycles / Min"};
        return {"Fill Time Minutes", "Average Air Used Scfm", "Total Air S.Cu.Ft", "Average Cycles / Min"};
    }
    if (metric) return {"Flow rate nl/min", "Air used n.m3", "", "Cycles / Min"};
    return {"Flow rate Scfm", "Air Used Scfm", "", "Cycles / Min"};
}

const char* SchematicCaption(int applicationType) {
    return applicationType == ApplicationFillCylinder ? "Constant pressure source charging vessel or cylinders"
                                                      : "Constant pressure source feeding continuous process";
}

const char* GasTemperatureCaption(bool metric) {
    return metric ? "Gas \xC2\xB0"
                    "C"
                  : "Gas \xC2\xB0"
                    "F";
}

const char* TemperatureLimitCaption(bool metric) {
    return metric ? "Limit \xC2\xB0"
                    "C"
                  : "Limit \xC2\xB0"
                    "F";
}

const char* UnitSwitchCaption(bool metric) { return metric ? "Change to Imperial &Units" : "Change to Metric &Units"; }

}  // namespace zorvik
