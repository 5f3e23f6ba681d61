#include "comparison_page.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPagedPaintDevice>
#include <algorithm>

#include "comparison_chart_drawing.h"
#include "display_numbers.h"
#include "print_page.h"
#include "text_fit.h"

namespace zorvik {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The engine's figures, labels and sentences, with the system's separator.
QString Figures(const std::string& text) { return SystemNumberText(text); }

// "Please contact <company> if you require assistance." and the telephone
// and fax line, as the other printouts close.
QString ContactLines(const TAddressData& office) {
    return ContactText(Text(office.Field[1])) + QLatin1Char('\n') + Text(TelFaxLine(office));
}

// The widest cell of each column at the painter's font.
struct TableLayout {
    double labelWidth = 0;
    double cellWidth = 0;
    double lineHeight = 0;
};

TableLayout MeasureTable(const QFontMetricsF& metrics, const ComparisonTable& table) {
    TableLayout layout;
    for (const ComparisonTable::Row& row : table.rows) {
        if (row.reasons) continue;
        layout.labelWidth = std::max(layout.labelWidth, metrics.horizontalAdvance(Figures(row.label)));
        for (const std::string& c : row.cells)
            layout.cellWidth = std::max(layout.cellWidth, metrics.horizontalAdvance(Figures(c)));
    }
    for (const std::string& m : table.models)
        layout.cellWidth = std::max(layout.cellWidth, metrics.horizontalAdvance(Text(m).simplified()));
    layout.cellWidth += metrics.averageCharWidth() * 2;
    layout.labelWidth += metrics.averageCharWidth() * 2;
    layout.lineHeight = metrics.height() * 1.25;
    return layout;
}

// Shrinks the font until the label and every model column fit the width.
QFont TableFont(const QRectF& area, const ComparisonTable& table, double startPixels) {
    QFont font(QStringLiteral("Arial"));
    for (double px = startPixels; px > 4; px *= 0.92) {
        font.setPixelSize(qRound(px));
        const TableLayout l = MeasureTable(QFontMetricsF(font), table);
        if (l.labelWidth + l.cellWidth * table.models.size() <= area.width()) break;
    }
    return font;
}

double DrawTable(QPainter& p, const QRectF& area, const ComparisonTable& table, double startPixels) {
    p.setFont(TableFont(area, table, startPixels));
    const QFontMetricsF metrics(p.font());
    const TableLayout l = MeasureTable(metrics, table);
    double y = area.top();
    const double width = l.labelWidth + l.cellWidth * table.models.size();
    const auto cellRect = [&](std::size_t col) {
        return QRectF(area.left() + l.labelWidth + col * l.cellWidth, y, l.cellWidth, l.lineHeight);
    };
    const QFont plain = p.font();
    QFont bold = plain;
    bold.setBold(true);
    p.setFont(bold);
    for (std::size_t col = 0; col < table.models.size(); ++col) {
        const QRectF r = cellRect(col);
        p.fillRect(QRectF(r.left() + 1, r.bottom() - l.lineHeight * 0.15, r.width() - 2, l.lineHeight * 0.12),
                   ModelColour(table.modelNumbers[col]));
        p.setPen(Qt::black);
        p.drawText(r, Qt::AlignRight | Qt::AlignVCenter, Text(table.models[col]).simplified() + QStringLiteral(" "));
    }
    p.setFont(plain);
    y += l.lineHeight;
    bool shaded = false;
    for (const ComparisonTable::Row& row : table.rows) {
        if (row.reasons) continue;
        shaded = !shaded;
        if (shaded) p.fillRect(QRectF(area.left(), y, width, l.lineHeight), QColor(0xf0, 0xf0, 0xf0));
        p.setPen(Qt::black);
        p.drawText(QRectF(area.left(), y, l.labelWidth, l.lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   Figures(row.label));
        for (std::size_t col = 0; col < row.cells.size(); ++col)
            p.drawText(cellRect(col), Qt::AlignRight | Qt::AlignVCenter, Figures(row.cells[col]) + QStringLiteral(" "));
        y += l.lineHeight;
    }
    // Why the others were left out, and remarks on listed ones, a line each.
    y += l.lineHeight * 0.4;
    for (const ComparisonTable::Row& row : table.rows) {
        if (!row.reasons) continue;
        for (std::size_t col = 0; col < row.cells.size(); ++col) {
            if (row.cells[col].empty()) continue;
            // A listed model's line is a remark (a discharge over the limit), not a reason.
            const QString line = table.listed[col] ? QCoreApplication::translate("Pages", "%1: %2")
                                                   : QCoreApplication::translate("Pages", "%1 not listed: %2");
            p.drawText(QRectF(area.left(), y, area.width(), l.lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       line.arg(Text(table.models[col]).simplified(), Figures(row.cells[col])));
            y += l.lineHeight;
        }
    }
    return y;
}

}  // namespace

ComparisonPage FlowComparisonPage(const std::vector<FlowComparisonRow>& rows, const FlowDuty& duty,
                                  const CostSettings& cost, bool metric) {
    ComparisonPage page;
    page.title = QCoreApplication::translate("Pages", "Amplifier comparison - continuous process").toStdString();
    page.conditions = FlowConditionsText(duty, cost, metric);
    page.table = FlowComparisonTable(rows, metric);
    page.chart = FlowChartData(rows, duty, metric);
    return page;
}

ComparisonPage ChargeComparisonPage(const std::vector<ChargeComparisonRow>& rows, const ChargeDuty& duty,
                                    const CostSettings& cost, bool metric) {
    ComparisonPage page;
    page.title = QCoreApplication::translate("Pages", "Amplifier comparison - vessel charging").toStdString();
    page.conditions = ChargeConditionsText(duty, cost, metric);
    page.table = ChargeComparisonTable(rows, metric);
    page.chart = FillChartData(rows, metric);
    return page;
}

void DrawComparisonPage(QPainter& painter, const QRectF& page, const ComparisonPage& content) {
    painter.save();
    const double em = page.height() / 60;
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(qRound(em * 1.3));
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(page.left(), page.top(), page.width(), em * 1.8), Qt::AlignLeft | Qt::AlignVCenter,
                     Text(content.title));
    QFont body(QStringLiteral("Arial"));
    body.setPixelSize(qRound(em * 0.8));
    painter.setFont(body);
    painter.drawText(QRectF(page.left(), page.top(), page.width(), em * 1.8), Qt::AlignRight | Qt::AlignVCenter,
                     ShortDate());
    // The office's contact lines close the page; everything else stands above them.
    const QRectF contact(page.left(), page.bottom() - em * 2.2, page.width(), em * 2.2);
    painter.drawText(contact, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, ContactLines(content.office));
    const QRectF bodyArea(page.left(), page.top(), page.width(), contact.top() - em * 0.4 - page.top());
    QRectF conditions(page.left(), page.top() + em * 2, page.width(), em * 2.4);
    painter.drawText(conditions, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Figures(content.conditions));
    const QRectF tableArea(page.left(), conditions.bottom() + em * 0.5, page.width(), bodyArea.height());
    const double tableBottom = DrawTable(painter, tableArea, content.table, em * 0.9);
    const QRectF chart(page.left(), tableBottom + em * 0.5, page.width(), bodyArea.bottom() - tableBottom - em * 0.5);
    if (chart.height() > em * 8) DrawComparisonChart(painter, chart, content.chart, em * 0.9);
    painter.restore();
}

bool PrintComparisonPage(QPagedPaintDevice& device, const ComparisonPage& content) {
    device.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRectF printable = device.pageLayout().paintRectPixels(device.logicalDpiX());
    DrawComparisonPage(painter, QRectF(QPointF(0, 0), printable.size()), content);
    return painter.end();
}

}  // namespace zorvik
