#include "display_numbers.h"

#include <QLocale>

#include "fixed_format.h"
#include "language.h"

namespace zorvik {

char SystemDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point.front().unicode() < 128 && point.front() > QLatin1Char(' ')
               ? point.front().toLatin1()
               : '.';
}

QString SystemNumberText(const std::string& text) {
    return QString::fromStdString(WithDecimalSeparator(text, SystemDecimalSeparator()));
}

QString DesktopText(const Text& text) { return texts::Said(text, texts::DesktopTranslator()); }

QString DesktopFigures(const Text& text) { return SystemNumberText(Say(text, texts::DesktopTranslator())); }

}  // namespace zorvik
