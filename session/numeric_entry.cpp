#include "numeric_entry.h"

#include "number_text.h"
#include "typed_duty.h"

namespace zorvik {
namespace {

// "<text> is not valid value", and how to write it when a thousands
// separator is the fault.
Text Refused(EntryFault fault, const std::string& text, const NumberStyle& style) {
    return EntryFaultText(fault, text) + (fault == EntryFault::NotValid ? ThousandsHint(text, style) : std::string());
}

// The field's text trimmed of blanks, as a message quotes it.
std::string Shown(std::string text) {
    TrimLeadingBlanks(text);
    TrimTrailingBlanks(text);
    return text;
}

// Beep, say why, and put the cursor back where the fault is.
void Refuse(EntryField& field, EntryFault fault, Notices& notices) {
    notices.Beep();
    notices.Warning(Refused(fault, Shown(field.Text()), field.Style()));
    field.SetFocus();
}

}  // namespace

std::optional<double> ParseEntry(std::string text, bool showMessages, EmptyEntryCount& empties, Notices& notices,
                                 const NumberStyle& style) {
    if (empties.count < 0 || empties.count > 5) empties.count = 0;
    EntryFault fault = EntryFault::None;
    const std::optional<double> value = ReadTypedNumber(text, style.decimal, fault);
    if (fault == EntryFault::Empty) {
        notices.Beep();
        ++empties.count;
        // Typing runs this on every keystroke: stay quiet while the user
        // clears a field, speak up if it stays empty.
        if (empties.count > 3 && showMessages) notices.Warning(EntryFaultText(fault, text));
        return std::nullopt;
    }
    if (!value) {
        notices.Beep();
        if (showMessages) notices.Warning(Refused(fault, Shown(text), style));
    }
    empties.count = 0;
    return value;
}

std::optional<double> ReadEntryField(EntryField& field, int kind, bool metric, Notices& notices) {
    if (!field.IsShowing()) return std::nullopt;
    EntryFault fault = EntryFault::None;
    const char decimal = field.Style().decimal;
    const UnitSystem units = metric ? UnitSystem::Metric : UnitSystem::Imperial;
    const std::optional<double> value =
        kind == PressureEntry ? ReadTypedQuantity(field.Text(), TypedQuantity::Pressure, units, decimal, fault)
        : kind == FlowEntry   ? ReadTypedQuantity(field.Text(), TypedQuantity::Volume, units, decimal, fault)
                              : ReadTypedNumber(field.Text(), decimal, fault);
    if (!value) Refuse(field, fault, notices);
    return value;
}

TemperatureReading ReadTemperatureField(EntryField& field, bool metric, bool optional, Notices& notices) {
    if (!field.IsShowing()) return {};
    EntryFault fault = EntryFault::None;
    const std::optional<double> celsius = ReadTypedCelsius(
        field.Text(), metric ? UnitSystem::Metric : UnitSystem::Imperial, field.Style().decimal, fault);
    if (fault == EntryFault::Empty && optional) return {true, std::nullopt};
    if (!celsius) {
        Refuse(field, fault, notices);
        return {};
    }
    return {true, celsius};
}

}  // namespace zorvik
