#include "display_numbers.h"

#include <QLocale>

#include "fixed_format.h"

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

}  // namespace zorvik
