#include "picture_descriptions.h"

#include <QCoreApplication>

#include "catalogue.h"
#include "chart_curve_points.h"
#include "chart_scale.h"
#include "chart_table.h"
#include "chart_text.h"
#include "option_rows.h"
#include "language.h"

namespace zorvik {
namespace {

// The translation context of the texts below.
struct PictureDescriptions {
    Q_DECLARE_TR_FUNCTIONS(PictureDescriptions)
};

QString ModelName(int model) { return QString::fromStdString(CatalogueRow(model).DisplayName()).trimmed(); }

QString Pressure(double psi, bool bar) {
    return TableNumber(ChartPressureValue(psi, bar)) + QLatin1Char(' ') + ChartPressureUnit(bar);
}

QString CurvesDescription(const ChartView& view) {
    const bool bar = view.bar;
    const std::vector<InletCurvePoints> curves = ChartInletCurves(view.Pump(), view.drivePsi, view.inletPsi, bar);
    if (curves.empty()) return {};
    return PictureDescriptions::tr(" Curves for an inlet gas pressure of %1 down to %2 %3.")
        .arg(InletLabelText(curves.front().inletPsi, bar, texts::DesktopTranslator()),
             InletLabelText(curves.back().inletPsi, bar, texts::DesktopTranslator()), ChartPressureUnit(bar));
}

QString DutyDescription(const ChartView& view) {
    const bool bar = view.bar;
    if (view.duty)
        return PictureDescriptions::tr(" The duty: %1 %2 at %3 at full speed.")
            .arg(TableNumber(ChartFlowValue(view.duty->flowScfm, bar)), ChartFlowUnit(bar),
                 Pressure(view.duty->outletPsi, bar));
    if (view.charge)
        return PictureDescriptions::tr(" Charging a vessel from %1 to %2.")
            .arg(Pressure(view.charge->startPsi, bar), Pressure(view.charge->finalPsi, bar));
    return {};
}

}  // namespace

QString PerformanceChartName() { return PictureDescriptions::tr("Performance chart"); }

QString PerformanceChartDescription(const ChartView& view) {
    const bool bar = view.bar;
    return PictureDescriptions::tr("Outlet flow in %1 against outlet pressure in %2 of model %3, %4.")
               .arg(ChartFlowUnit(bar), ChartPressureUnit(bar), ModelName(view.model),
                    DrivePressureCaption(view.drivePsi, bar, texts::DesktopTranslator())) +
           CurvesDescription(view) + DutyDescription(view) +
           PictureDescriptions::tr(" Enter or Ctrl+T gives its figures as a table.");
}

QString DrawingName() { return PictureDescriptions::tr("Dimension drawing"); }

QString DrawingDescription(const DrawingView& view) {
    const QString units = view.mm ? PictureDescriptions::tr("millimetres") : PictureDescriptions::tr("inches");
    if (view.option == 0)
        return PictureDescriptions::tr("Outline of model %1 with its dimensions in %2.")
            .arg(ModelName(view.model), units);
    if (!OptionHasDimensionUnits(view.option))
        return PictureDescriptions::tr("Drawing of the option %1 for model %2.")
            .arg(view.optionTitle.trimmed(), ModelName(view.model));
    return PictureDescriptions::tr("Outline of the option %1 for model %2 with its dimensions in %3.")
        .arg(view.optionTitle.trimmed(), ModelName(view.model), units);
}

}  // namespace zorvik
