#include "chart_text.h"

#include <cmath>

#include "fixed_format.h"
#include "language.h"
#include "units.h"

namespace zorvik {
namespace {

// Above this, in psig, the bar label has lost its decimal: 100 barg.
constexpr double kWholeBarLabelsFromPsi = 1450;

}  // namespace

QString ChartNumber(double value, int precision, int decimals, const Translator* reader) {
    return QString::fromStdString(FormatFixed(value, precision, decimals, texts::DecimalOf(reader)));
}

QString ChartWholeNumber(double value, const Translator* reader) {
    return ChartNumber(std::trunc(value), 15, 0, reader);
}

QString DrivePressureCaption(double airDrivePsi, bool barMode, const Translator* reader) {
    const QString caption = texts::Said(Tr("PerformanceChart", "Air drive pressure  %1"), reader);
    if (barMode)
        return caption.arg(ChartNumber(airDrivePsi / units::PsiPerBarShort, 3, 1, reader) + QStringLiteral(" barg"));
    return caption.arg(ChartNumber(airDrivePsi, 3, 0, reader) + QStringLiteral(" Psig"));
}

QString InletLabelText(double inletPsi, bool barMode, const Translator* reader) {
    if (!barMode) return ChartWholeNumber(inletPsi, reader);
    if (inletPsi < kWholeBarLabelsFromPsi) return ChartNumber(inletPsi / units::PsiPerBar, 5, 1, reader);
    return ChartNumber(inletPsi / units::PsiPerBar, 4, 0, reader);
}

QString LineLabelText(double airUseScfm, bool barMode, const Translator* reader) {
    if (barMode) return ChartNumber(airUseScfm * units::LitresPerCubicFootChart / 1000, 4, 2, reader);
    return ChartNumber(airUseScfm, 4, 1, reader);
}

QString DutyLabelText(double speedPercent, double driveAirScfm, bool barMode, const Translator* reader) {
    const QString air = barMode ? LineLabelText(driveAirScfm, true, reader) + QStringLiteral(" Nm3/min")
                                : ChartNumber(driveAirScfm, 4, 1, reader) + QStringLiteral(" scfm");
    return texts::Said(Tr("PerformanceChart", "Duty: %1 % speed, %2 air"), reader)
        .arg(ChartNumber(speedPercent, 3, 0, reader), air);
}

QString AirUseTagText(int level, bool barMode, const Translator* reader) {
    if (barMode)
        return ChartNumber(10.0 * level * units::LitresPerCubicFootChart * units::ChartNormalPerStandard / 1000, 4, 2,
                           reader);
    return ChartWholeNumber(10.0 * level, reader);
}

}  // namespace zorvik
