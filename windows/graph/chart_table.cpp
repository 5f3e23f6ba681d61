#include "chart_table.h"

#include <QCoreApplication>

#include "chart_curve_points.h"
#include "chart_scale.h"
#include "chart_text.h"
#include "language.h"

namespace zorvik {
namespace {

// The translation context of the texts below.
struct ChartTable {
    Q_DECLARE_TR_FUNCTIONS(ChartTable)
};

QString ModelName(const ChartView& view) { return QString::fromStdString(view.Pump().DisplayName()).trimmed(); }

QStringList PointRow(const QString& series, double psi, double scfm, bool bar) {
    return {series, TableNumber(ChartPressureValue(psi, bar)), TableNumber(ChartFlowValue(scfm, bar))};
}

QString InletCurveName(double inletPsi, bool bar) {
    return ChartTable::tr("Inlet %1 %2")
        .arg(InletLabelText(inletPsi, bar, texts::DesktopTranslator()), ChartPressureUnit(bar));
}

void AddDutyRows(DataTable& table, const ChartDutyPoint& duty, bool bar) {
    table.rows.append(PointRow(ChartTable::tr("Duty at full speed"), duty.outletPsi, duty.flowScfm, bar));
    if (!duty.required) return;
    const ChartRequiredFlow& required = *duty.required;
    table.rows.append(
        PointRow(DutyLabelText(required.speedPercent, required.driveAirScfm, bar, texts::DesktopTranslator()),
                 duty.outletPsi, required.flowScfm, bar));
}

void AddChargeRows(DataTable& table, const ChartChargePoints& charge, bool bar) {
    for (int i = 0; i < ChargeCurvePoints; ++i) {
        const double psi = charge.startPsi + (charge.finalPsi - charge.startPsi) * i / ChargeSteps;
        table.rows.append(PointRow(ChartTable::tr("Charging point %1").arg(i + 1), psi, charge.flowScfm[i], bar));
    }
}

}  // namespace

QString ChartPressureUnit(bool bar) { return bar ? QStringLiteral("barg") : QStringLiteral("psig"); }

QString ChartFlowUnit(bool bar) { return bar ? QStringLiteral("nl/min") : QStringLiteral("scfm"); }

DataTable PerformanceChartTable(const ChartView& view) {
    const bool bar = view.bar;
    DataTable table;
    table.title = ChartTable::tr("Performance chart of %1 - %2")
                      .arg(ModelName(view), DrivePressureCaption(view.drivePsi, bar, texts::DesktopTranslator()));
    table.columns = {ChartTable::tr("Curve or point"),
                     ChartTable::tr("Outlet pressure, %1").arg(ChartPressureUnit(bar)),
                     ChartTable::tr("Outlet flow, %1").arg(ChartFlowUnit(bar))};
    for (const InletCurvePoints& curve : ChartInletCurves(view.Pump(), view.drivePsi, view.inletPsi, bar))
        for (const auto& [outlet, flow] : curve.points)
            table.rows.append(PointRow(InletCurveName(curve.inletPsi, bar), outlet, flow, bar));
    if (view.duty) AddDutyRows(table, *view.duty, bar);
    if (view.charge) AddChargeRows(table, *view.charge, bar);
    return table;
}

}  // namespace zorvik
