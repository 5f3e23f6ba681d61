#include "system_numbers.h"

#include <QLineEdit>
#include <QLocale>
#include <QTimer>
#include <QToolTip>
#include <cmath>

#include "entry_units.h"
#include "number_text.h"

namespace zorvik {

NumberStyle SystemNumberStyle() { return {SystemDecimalSeparator(), QLocale().groupSeparator().toStdString()}; }

QString TableNumber(double value) {
    const double size = std::fabs(value);
    const int decimals = size < 10 ? 2 : size < 100 ? 1 : 0;
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

DecimalSpinBox::DecimalSpinBox(QWidget* parent) : QDoubleSpinBox(parent) {}

// The text as it stands while typing: a number, or on its way to one (empty,
// a sign, a separator at the end); what can never become one is refused.
QValidator::State DecimalSpinBox::validate(QString& text, int&) const {
    const std::string typed = text.trimmed().toStdString();
    const char point = SystemDecimalSeparator();
    const std::optional<double> value = ParseNumber(EntryNumberText(typed, point));
    // No more decimals than the box shows: the value is what the user sees.
    const std::size_t separator = typed.find_first_of(std::string(".") + point);
    if (separator != std::string::npos && typed.size() - separator - 1 > static_cast<std::size_t>(decimals()))
        return QValidator::Invalid;
    if (value) return *value >= minimum() && *value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
    if (typed.empty() || typed == "+" || typed == "-") return QValidator::Intermediate;
    const std::string before = typed.substr(0, typed.size() - 1);
    const bool separatorLast = typed.back() == point || typed.back() == '.';
    const bool wholeBefore = before.find_first_of(std::string(".") + point) == std::string::npos;
    if (separatorLast && wholeBefore && ParseNumber(before)) return QValidator::Intermediate;
    ExplainRefusal(text);
    return QValidator::Invalid;
}

double DecimalSpinBox::valueFromText(const QString& text) const {
    return ParseNumber(EntryNumberText(text.trimmed().toStdString(), SystemDecimalSeparator())).value_or(value());
}

QString DecimalSpinBox::textFromValue(double value) const {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals());
}

// Said after the key is refused, so the tool tip outlives the keystroke's
// repaint.
void DecimalSpinBox::ExplainRefusal(const QString& text) const {
    const std::string hint = ThousandsHint(text.toStdString(), SystemNumberStyle());
    if (hint.empty()) return;
    const QString shown = QString::fromStdString(hint.substr(1));
    QTimer::singleShot(0, this, [this, shown] { QToolTip::showText(mapToGlobal(rect().bottomLeft()), shown); });
}

}  // namespace zorvik
