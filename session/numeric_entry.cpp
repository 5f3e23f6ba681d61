#include "numeric_entry.h"

#include "entry_units.h"
#include "number_text.h"
#include "text_catalog.h"
#include "units.h"

namespace zorvik {
namespace {

std::string NullMessage() { return Tr("Entry", "Null is not valid value"); }
std::string NotValidMessage(const std::string& text) {
    return Substitute(Tr("Entry", "%1 is not valid value"), {text});
}

// "<text> is not valid value", and how to write it when a thousands
// separator is the fault.
std::string NotValid(const std::string& text, const NumberStyle& style) {
    return NotValidMessage(text) + ThousandsHint(text, style);
}

}  // namespace

std::optional<double> ParseEntry(std::string text, bool showMessages, EmptyEntryCount& empties, Notices& notices,
                                 const NumberStyle& style) {
    if (empties.count < 0 || empties.count > 5) empties.count = 0;
    TrimLeadingBlanks(text);
    if (text.empty()) {
        notices.Beep();
        ++empties.count;
        // Typing runs this on every keystroke: stay quiet while the user
        // clears a field, speak up if it stays empty.
        if (empties.count > 3 && showMessages) notices.Warning(text + NullMessage());
        return std::nullopt;
    }
    TrimTrailingBlanks(text);
    const auto value = ParseDutyNumber(EntryNumberText(text, style.decimal));
    if (!value) {
        notices.Beep();
        if (showMessages) notices.Warning(NotValid(text, style));
    }
    empties.count = 0;
    return value;
}

std::optional<double> ReadEntryField(EntryField& field, int kind, bool metric, Notices& notices) {
    std::string text = field.Text();
    if (!field.IsShowing()) return std::nullopt;
    TrimLeadingBlanks(text);
    if (text.empty()) {
        notices.Beep();
        notices.Warning(NullMessage());
        field.SetFocus();
        return std::nullopt;
    }
    TrimTrailingBlanks(text);
    // barg to psig; litres (per minute) to cubic feet (scfm).
    std::optional<double> value = ParseDutyNumber(EntryNumberText(text, field.Style().decimal));
    if (value && metric && kind == PressureEntry) *value *= units::PsiPerBar;
    if (value && metric && kind == FlowEntry) *value /= units::LitresPerCubicFoot;
    if (!value) {
        notices.Beep();
        notices.Warning(NotValid(text, field.Style()));
        field.SetFocus();
        return std::nullopt;
    }
    return value;
}

TemperatureReading ReadTemperatureField(EntryField& field, bool metric, bool optional, Notices& notices) {
    std::string text = field.Text();
    if (!field.IsShowing()) return {};
    TrimLeadingBlanks(text);
    TrimTrailingBlanks(text);
    if (text.empty() && optional) return {true, std::nullopt};
    if (text.empty()) {
        notices.Beep();
        notices.Warning(NullMessage());
        field.SetFocus();
        return {};
    }
    const std::optional<double> value = ParseTemperatureNumber(EntryNumberText(text, field.Style().decimal));
    if (!value) {
        notices.Beep();
        notices.Warning(NotValid(text, field.Style()));
        field.SetFocus();
        return {};
    }
    return {true, metric ? *value : units::CelsiusOf(*value)};
}

}  // namespace zorvik
