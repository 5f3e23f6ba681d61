#include "numeric_entry.h"

#include <cmath>
#include <optional>

#include "number_text.h"
#include "shared_state.h"
#include "units.h"

namespace zorvik {
namespace {

const char kNullMessage[] = "Null is not valid value";
const char kNotValidSuffix[] = " is not valid value";

// The text must be a number and must not start with "-" ("-0" is refused
// too; "+5" is fine).
std::optional<double> NonNegative(const std::string& text) {
    const auto value = ParseNumber(text);
    if (!value || text.front() == '-' || *value < 0) return std::nullopt;
    return value;
}

}  // namespace

double ParseEntry(std::string text, bool showMessages) {
    Shared.EntryValid = true;
    if (Shared.EntryErrorCount < 0 || Shared.EntryErrorCount > 5) Shared.EntryErrorCount = 0;
    TrimLeadingBlanks(text);
    if (text.empty()) {
        Shared.EntryValid = false;
        CurrentNotices().Beep();
        ++Shared.EntryErrorCount;
        // Typing runs this on every keystroke: stay quiet while the user
        // clears a field, speak up if it stays empty.
        if (Shared.EntryErrorCount > 3 && showMessages) CurrentNotices().Warning(text + kNullMessage);
        return 0;
    }
    TrimTrailingBlanks(text);
    const auto value = NonNegative(text);
    if (!value) {
        Shared.EntryValid = false;
        CurrentNotices().Beep();
        if (showMessages) CurrentNotices().Warning(text + kNotValidSuffix);
    }
    Shared.EntryErrorCount = 0;
    return value.value_or(0);
}

double ReadEntryField(EntryField& field, int kind) {
    Shared.EntryValid = true;
    std::string text = field.Text();
    if (!field.IsShowing()) {
        Shared.EntryValid = false;
        return 0;
    }
    TrimLeadingBlanks(text);
    if (text.empty()) {
        Shared.EntryValid = false;
        CurrentNotices().Beep();
        CurrentNotices().Warning(kNullMessage);
        field.SetFocus();
        return 0;
    }
    TrimTrailingBlanks(text);
    // barg to psig; litres (per minute) to cubic feet (scfm). A number so
    // large that the conversion overflows is refused like any other bad text.
    std::optional<double> value = NonNegative(text);
    if (value && Shared.MetricUnits && kind == PressureEntry) *value *= units::PsiPerBar;
    if (value && Shared.MetricUnits && kind == FlowEntry) *value /= units::LitresPerCubicFoot;
    if (!value || !std::isfinite(*value)) {
        Shared.EntryValid = false;
        CurrentNotices().Beep();
        CurrentNotices().Warning(text + kNotValidSuffix);
        field.SetFocus();
        return 0;
    }
    return *value;
}

}  // namespace zorvik
