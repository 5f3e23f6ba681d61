#include "selection/selection_entry.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include "core/fixed_format.h"
#include "core/number_text.h"
#include "core/units.h"

namespace zorvik {
namespace {

constexpr int kSignificantDigits = 10;

// Would QLineEdit type this key's text? Printable text does, except with
// Ctrl (or Ctrl+Shift) alone, which makes shortcuts.
bool TypesText(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty() || !text.front().isPrint()) return false;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return modifiers != Qt::ControlModifier && modifiers != (Qt::ControlModifier | Qt::ShiftModifier);
}

}  // namespace

char SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point.front().unicode() < 128 ? point.front().toLatin1() : '.';
}

std::string EntryNumberText(const QString& text, char separator) {
    const std::string typed = text.toStdString();
    if (separator == '.') return typed;
    std::string dotted = typed;
    for (char& c : dotted)
        if (c == separator) c = '.';
    std::string trimmed = dotted;
    TrimLeadingBlanks(trimmed);
    TrimTrailingBlanks(trimmed);
    return ParseNumber(trimmed) ? dotted : typed;
}

bool EntryKeyPasses(const QKeyEvent& event, char separator) {
    if (!TypesText(event)) return true;
    const QString text = event.text();
    if (text.size() != 1) return false;
    const QChar c = text.front();
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(separator);
}

std::optional<std::string> ConvertedEntryText(const std::string& text, EntryKind kind, bool toMetric, char separator) {
    const std::optional<double> value = ParseNumber(text);
    if (!value) return std::nullopt;
    if (kind == PressureEntry) {
        // barg = psig / 14.50377;  psig = barg x 14.50377
        if (toMetric) return FormatFixed(*value / units::PsiPerBar, kSignificantDigits, 1, separator);
        return FormatFixed(*value * units::PsiPerBar, kSignificantDigits, 0, separator);
    }
    // litres = cubic feet / 0.0353146...;  cubic feet = litres x 0.0353146... (per minute alike)
    if (toMetric) return FormatFixed(*value / units::CubicFeetPerLitre, kSignificantDigits, 1, separator);
    return FormatFixed(*value * units::CubicFeetPerLitre, kSignificantDigits, 1, separator);
}

std::string SelectionEntryField::Text() const { return EntryNumberText(edit_->text(), separator_); }

// The procedures write "." numbers; the field shows the system's separator.
void SelectionEntryField::SetText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    if (separator_ != '.') shown.replace(QLatin1Char('.'), QLatin1Char(separator_));
    edit_->setText(shown);
}

}  // namespace zorvik
