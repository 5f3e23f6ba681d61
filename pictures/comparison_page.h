#pragma once
// The comparison's page: the conditions, the table, why models were left
// out, and the chart, on a landscape page of any printer (a PDF file in
// the tests and for zorvik-select compare --out).

#include <QRectF>
#include <string>

#include "comparison_curves.h"
#include "comparison_table.h"
#include "office_table.h"

class QPainter;
class QPagedPaintDevice;

namespace zorvik {

struct ComparisonPage {
    Text title;
    Text conditions;
    ComparisonTable table;
    ComparisonChartData chart;
    // Named at the foot of the page, as on every printout.
    TAddressData office = ChosenOffice(InitOffices(), DefaultOfficeIndex);
};

// The page of a comparison, the same from the window and the command line.
ComparisonPage FlowComparisonPage(const std::vector<FlowComparisonRow>& rows, const FlowDuty& duty,
                                  const CostSettings& cost, bool metric);
ComparisonPage ChargeComparisonPage(const std::vector<ChargeComparisonRow>& rows, const ChargeDuty& duty,
                                    const CostSettings& cost, bool metric);

// The title with today's date, the conditions, the table, the chart, and
// the office's contact lines at the foot, in the reader's language.
void DrawComparisonPage(QPainter& painter, const QRectF& page, const ComparisonPage& content, const Translator* reader);

// The page on a landscape page of `device`, a printer or a PDF file; false
// when the device cannot be started or the page not ended.
bool PrintComparisonPage(QPagedPaintDevice& device, const ComparisonPage& content, const Translator* reader);

}  // namespace zorvik
