#include "chart_text.h"

#include <QCoreApplication>

#include <cmath>

#include "display_numbers.h"
#include "fixed_format.h"
#include "units.h"

namespace zorvik {
namespace {

// Above this, in psig, the bar label has lost its decimal: 100 barg.
constexpr double kWholeBarLabelsFromPsi = 1450;

}  // namespace

QString ChartNumber(double value, int precision, int decimals) {
    return QString::fromStdString(FormatFixed(value, precision, decimals, SystemDecimalSeparator()));
}

QString ChartWholeNumber(double value) { return ChartNumber(std::trunc(value), 15, 0); }

QString DrivePressureCaption(double airDrivePsi, bool barMode) {
    const QString caption = QCoreApplication::translate("PerformanceChart", "Air drive pressure  %1");
    if (barMode) return caption.arg(ChartNumber(airDrivePsi / units::PsiPerBarShort, 3, 1) + QStringLiteral(" barg"));
    return caption.arg(ChartNumber(airDrivePsi, 3, 0) + QStringLiteral(" Psig"));
}

QString InletLabelText(double inletPsi, bool barMode) {
    if (!barMode) return ChartWholeNumber(inletPsi);
    if (inletPsi < kWholeBarLabelsFromPsi) return ChartNumber(inletPsi / units::PsiPerBar, 5, 1);
    return ChartNumber(inletPsi / units::PsiPerBar, 4, 0);
}

QString LineLabelText(double airUseScfm, bool barMode) {
    if (barMode) return ChartNumber(airUseScfm * units::LitresPerCubicFootChart / 1000, 4, 2);
    return ChartNumber(airUseScfm, 4, 1);
}

QString DutyLabelText(double speedPercent, double driveAirScfm, bool barMode) {
    const QString air = barMode ? LineLabelText(driveAirScfm, true) + QStringLiteral(" Nm3/min")
                                : ChartNumber(driveAirScfm, 4, 1) + QStringLiteral(" scfm");
    return QCoreApplication::translate("PerformanceChart", "Duty: %1 % speed, %2 air")
        .arg(ChartNumber(speedPercent, 3, 0), air);
}

QString AirUseTagText(int level, bool barMode) {
    if (barMode)
        return ChartNumber(10.0 * level * units::LitresPerCubicFootChart * units::ChartNormalPerStandard / 1000, 4, 2);
    return ChartWholeNumber(10.0 * level);
}

}  // namespace zorvik
