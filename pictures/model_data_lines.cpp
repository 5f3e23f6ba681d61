#include "model_data_lines.h"

#include "chart_text.h"
#include "pressure_text.h"
#include "units.h"

namespace zorvik {
namespace {

// The lowest drive pressure of every model, as the adjust dialog has it.
constexpr double kMinAirDrivePsi = 40.0;
constexpr int kPrecision = 5;

QString Number(double value, int decimals, const Translator* reader) {
    return ChartNumber(value, kPrecision, decimals, reader);
}

QString Limit(double psi, const Translator* reader) {
    return BarLimitText(psi, reader) + QStringLiteral("  ") + PsiLimitText(psi, reader);
}

// Outlet stall pressure = AirStallFactor x pAir (+ SupplyStallFactor x pSupply).
QString StallFormula(const TPumpRecord& pump, const Translator* reader) {
    const QString air = Number(pump.AirStallFactor, 1, reader) + QStringLiteral(" x pAir");
    if (pump.SupplyStallFactor <= 0) return air;
    return QStringLiteral("( ") + air + QStringLiteral(" )  +  ( ") + Number(pump.SupplyStallFactor, 1, reader) +
           QStringLiteral(" x pSupply )");
}

void AddInletLines(const TPumpRecord& pump, const Translator* reader, std::vector<ModelDataLine>& lines) {
    if (pump.InletIsDriveAir) {
        lines.push_back({QStringLiteral("Gas inlet pressure"),
                         QStringLiteral("equal to the air drive pressure: use a common connection for drive and "
                                        "input supply")});
        return;
    }
    lines.push_back({QStringLiteral("Min inlet gas pressure"), Limit(pump.MinInletPsi, reader)});
    if (pump.MaxInletPsi > 0) {
        lines.push_back({QStringLiteral("Max inlet gas pressure"), Limit(pump.MaxInletPsi, reader)});
        return;
    }
    lines.push_back({QStringLiteral("Max inlet gas pressure"), QStringLiteral("Dependent on air drive pressure")});
    lines.push_back(
        {QStringLiteral("Max inlet gas pressure to avoid interstage stall"),
         QStringLiteral("less than ") + Number(pump.InterstageFactor, 1, reader) + QStringLiteral(" x pAir")});
}

}  // namespace

std::vector<ModelDataLine> ModelDataLines(const TPumpRecord& pump, const Translator* reader) {
    std::vector<ModelDataLine> lines = {
        {QStringLiteral("Model number"), QString::fromStdString(pump.DisplayName()).trimmed()},
        {QStringLiteral("Min air drive pressure"), Limit(kMinAirDrivePsi, reader)},
        {QStringLiteral("Max air drive pressure"), Limit(pump.MaxAirDrivePsi, reader)},
    };
    AddInletLines(pump, reader, lines);
    lines.push_back({QStringLiteral("Max outlet gas pressure"), Limit(pump.MaxOutletPsi, reader)});
    lines.push_back({QStringLiteral("Max compression ratio"), Number(pump.MaxCompressionRatio, 1, reader) + " : 1"});
    lines.push_back({QStringLiteral("Piston displacement / cycle"),
                     Number(pump.DisplacementIn3 / units::CubicInchesPerLitre, 3, reader) +
                         QStringLiteral(" litre  ( ") + Number(pump.DisplacementIn3, 2, reader) +
                         QStringLiteral(" cu. inch )")});
    lines.push_back({QStringLiteral("Stall pressure formula"), StallFormula(pump, reader)});
    return lines;
}

}  // namespace zorvik
