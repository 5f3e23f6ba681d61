#include "pressure_text.h"

#include "units.h"
#include "chart_text.h"

namespace zorvik {
namespace {

constexpr int LimitPrecision = 5;

}  // namespace

QString BarLimitText(double psi) {
    return ChartNumber(psi / units::PsiPerBar, LimitPrecision, 1) + QStringLiteral(" barg");
}

QString PsiLimitText(double psi) {
    return QStringLiteral("( ") + ChartNumber(psi, LimitPrecision, 0) + QStringLiteral(" psig )");
}

}  // namespace zorvik
