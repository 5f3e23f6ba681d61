#pragma once
// The model selection chart on one printed page, drawn from the catalogue's
// chart rows (model_chart_rows.h), the same from the window and the command
// line.

#include <QFont>
#include <QString>

#include "model_chart_rows.h"
#include "office_table.h"
#include "print_page.h"
#include "text.h"

namespace zorvik {

// The font of the window's list (Arial 12 pt), for a page printed without it.
QFont ModelChartListFont();

// A chart row as the window's list holds it: a tab before each of the eight
// fields, each given leading blanks until it measures ChartFieldMinWidth in
// `listFont`, so a column's numbers end together.
QString ModelChartRow(const ChartFields& fields, const QFont& listFont);

// On one page: the office's company name, the title and today's date, the
// four heading lines, the unit line (metric or imperial by `metric`), every
// model's row (padded in `listFont`, as the list shows it), the Pa/Ps key and
// the office's contact lines, in the reader's words and numbers.
PrintResult PrintModelSelectionChart(PrintPage& page, bool metric, const QFont& listFont, const TAddressData& office,
                                     const Translator* reader);

}  // namespace zorvik
