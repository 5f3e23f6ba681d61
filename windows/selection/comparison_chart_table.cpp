#include "comparison_chart_table.h"

#include <QCoreApplication>

#include "system_numbers.h"

namespace zorvik {
namespace {

// The translation context of the texts below.
struct ComparisonChartTexts {
    Q_DECLARE_TR_FUNCTIONS(ComparisonChartTable)
};

QString Shown(const Text& text) { return DesktopFigures(text).simplified(); }

QString LineName(const ChartLine& line) {
    return line.listed ? Shown(line.name) : ComparisonChartTexts::tr("%1 (not listed)").arg(Shown(line.name));
}

}  // namespace

QString ComparisonChartDescription(const ComparisonChartData& chart) {
    QStringList models;
    for (const ChartLine& line : chart.lines) models.append(LineName(line));
    QString text =
        ComparisonChartTexts::tr("%1: %2 against %3, one line for each of %4.")
            .arg(Shown(chart.title), Shown(chart.yLabel), Shown(chart.xLabel), models.join(QStringLiteral(", ")));
    if (chart.marker)
        text += ComparisonChartTexts::tr(" %1 at %2, %3.")
                    .arg(Shown(chart.markerLabel), TableNumber((*chart.marker)[0]), TableNumber((*chart.marker)[1]));
    return text + ComparisonChartTexts::tr(" Enter or Ctrl+T gives its figures as a table.");
}

DataTable ComparisonChartTable(const ComparisonChartData& chart) {
    DataTable table;
    table.title = Shown(chart.title);
    table.columns = {ComparisonChartTexts::tr("Model or point"), Shown(chart.xLabel), Shown(chart.yLabel)};
    for (const ChartLine& line : chart.lines)
        for (const ChartPoint& point : line.points)
            table.rows.append({LineName(line), TableNumber(point[0]), TableNumber(point[1])});
    if (chart.marker)
        table.rows.append({Shown(chart.markerLabel), TableNumber((*chart.marker)[0]), TableNumber((*chart.marker)[1])});
    return table;
}

}  // namespace zorvik
