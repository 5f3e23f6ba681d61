#include "pressure_text.h"

#include "units.h"
#include "chart_text.h"

namespace zorvik {
namespace {

constexpr int LimitPrecision = 5;

}  // namespace

QString BarLimitText(double psi, const Translator* reader) {
    return ChartNumber(psi / units::PsiPerBar, LimitPrecision, 1, reader) + QStringLiteral(" barg");
}

QString PsiLimitText(double psi, const Translator* reader) {
    return QStringLiteral("( ") + ChartNumber(psi, LimitPrecision, 0, reader) + QStringLiteral(" psig )");
}

}  // namespace zorvik
