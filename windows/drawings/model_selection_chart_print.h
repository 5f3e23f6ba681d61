#pragma once
// The model selection chart on one printed page.

#include <QStringList>

#include "office_table.h"
#include "printing.h"

class QPrinter;

namespace zorvik {

// Prints, on one page of `printer`: the office's company name, the
// title and today's date, the four heading lines, the unit line (metric or
// imperial by `metric`), `rows` as the chart's list holds them (a tab before
// each of the eight fields, leading blanks kept), the Pa/Ps key and the
// office's contact lines.
PrintResult PrintModelSelectionChart(QPrinter& printer, const QStringList& rows, bool metric,
                                     const TAddressData& office);

}  // namespace zorvik
