#include "selection_command.h"

#include <deque>
#include <string>

#include "arguments.h"
#include "stderr_notices.h"

namespace zorvik::cli {
namespace {

// The command line prints cells without their padding, so the measure only
// has to be near Arial 12 pt (9 pixels a digit; 4 a blank, a tab, a point)
// and let the padding end.
int ApproximateArialWidth(const std::string& text) {
    int width = 0;
    for (const char c : text) width += c == ' ' || c == '\t' || c == '.' || c == ',' ? 4 : 9;
    return width;
}

}  // namespace

SelectionResult SelectFromTexts(const SelectionCommandSpec& command, const std::vector<std::string>& texts,
                                const Arguments& parsed, Session& session, Notices& notices) {
    session.ApplicationType = command.applicationType;
    session.MetricUnits = parsed.Has("metric");
    std::deque<OptionField> fields;  // stable addresses for the pointers below
    SelectionControls controls;
    for (std::size_t i = 0; i < command.fields.size(); ++i)
        controls.fields.*command.fields[i].field = &fields.emplace_back(texts[i]);
    controls.disableAirQtyLimitChecked = parsed.Has("ignore-air");
    controls.disableFlowrateLimitChecked = parsed.Has("ignore-flow");
    controls.textWidth = ApproximateArialWidth;
    controls.decimalSeparator = '.';
    controls.notices = &notices;
    return command.select(session, controls);
}

}  // namespace zorvik::cli
