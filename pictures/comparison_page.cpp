#include "comparison_page.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPagedPaintDevice>
#include <algorithm>

#include "comparison_chart_drawing.h"
#include "language.h"
#include "print_page.h"
#include "text_fit.h"

namespace zorvik {
namespace {

QString Plain(const std::string& text) { return QString::fromStdString(text); }

// "Please contact <company> if you require assistance." and the telephone
// and fax line, as the other printouts close.
QString ContactLines(const TAddressData& office, const Translator* reader) {
    return ContactText(Plain(office.Field[1]), reader) + QLatin1Char('\n') + Plain(TelFaxLine(office));
}

// The widest cell of each column at the painter's font.
struct TableLayout {
    double labelWidth = 0;
    double cellWidth = 0;
    double lineHeight = 0;
};

TableLayout MeasureTable(const QFontMetricsF& metrics, const ComparisonTable& table, const Translator* reader) {
    TableLayout layout;
    for (const ComparisonTable::Row& row : table.rows) {
        if (row.reasons) continue;
        layout.labelWidth = std::max(layout.labelWidth, metrics.horizontalAdvance(texts::Figures(row.label, reader)));
        for (const Text& c : row.cells)
            layout.cellWidth = std::max(layout.cellWidth, metrics.horizontalAdvance(texts::Figures(c, reader)));
    }
    for (const std::string& m : table.models)
        layout.cellWidth = std::max(layout.cellWidth, metrics.horizontalAdvance(Plain(m).simplified()));
    layout.cellWidth += metrics.averageCharWidth() * 2;
    layout.labelWidth += metrics.averageCharWidth() * 2;
    layout.lineHeight = metrics.height() * 1.25;
    return layout;
}

// Shrinks the font until the label and every model column fit the width.
QFont TableFont(const QRectF& area, const ComparisonTable& table, double startPixels, const Translator* reader) {
    QFont font(QStringLiteral("Arial"));
    for (double px = startPixels; px > 4; px *= 0.92) {
        font.setPixelSize(qRound(px));
        const TableLayout l = MeasureTable(QFontMetricsF(font), table, reader);
        if (l.labelWidth + l.cellWidth * table.models.size() <= area.width()) break;
    }
    return font;
}

double DrawTable(QPainter& p, const QRectF& area, const ComparisonTable& table, double startPixels,
                 const Translator* reader) {
    p.setFont(TableFont(area, table, startPixels, reader));
    const QFontMetricsF metrics(p.font());
    const TableLayout l = MeasureTable(metrics, table, reader);
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
        p.drawText(r, Qt::AlignRight | Qt::AlignVCenter, Plain(table.models[col]).simplified() + QStringLiteral(" "));
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
                   texts::Figures(row.label, reader));
        for (std::size_t col = 0; col < row.cells.size(); ++col)
            p.drawText(cellRect(col), Qt::AlignRight | Qt::AlignVCenter,
                       texts::Figures(row.cells[col], reader) + QStringLiteral(" "));
        y += l.lineHeight;
    }
    // Why the others were left out, and remarks on listed ones, a line each.
    y += l.lineHeight * 0.4;
    for (const ComparisonTable::Row& row : table.rows) {
        if (!row.reasons) continue;
        for (std::size_t col = 0; col < row.cells.size(); ++col) {
            if (row.cells[col].Empty()) continue;
            // A listed model's line is a remark (a discharge over the limit), not a reason.
            const Text line = table.listed[col] ? Tr("Pages", "%1: %2") : Tr("Pages", "%1 not listed: %2");
            p.drawText(QRectF(area.left(), y, area.width(), l.lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       texts::Said(line, reader)
                           .arg(Plain(table.models[col]).simplified(), texts::Figures(row.cells[col], reader)));
            y += l.lineHeight;
        }
    }
    return y;
}

}  // namespace

ComparisonPage FlowComparisonPage(const std::vector<FlowComparisonRow>& rows, const FlowDuty& duty,
                                  const CostSettings& cost, bool metric) {
    ComparisonPage page;
    page.title = Tr("Pages", "Amplifier comparison - continuous process");
    page.conditions = FlowConditionsText(duty, cost, metric);
    page.table = FlowComparisonTable(rows, metric);
    page.chart = FlowChartData(rows, duty, metric);
    return page;
}

ComparisonPage ChargeComparisonPage(const std::vector<ChargeComparisonRow>& rows, const ChargeDuty& duty,
                                    const CostSettings& cost, bool metric) {
    ComparisonPage page;
    page.title = Tr("Pages", "Amplifier comparison - vessel charging");
    page.conditions = ChargeConditionsText(duty, cost, metric);
    page.table = ChargeComparisonTable(rows, metric);
    page.chart = FillChartData(rows, metric);
    return page;
}

void DrawComparisonPage(QPainter& painter, const QRectF& page, const ComparisonPage& content,
                        const Translator* reader) {
    painter.save();
    const double em = page.height() / 60;
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(qRound(em * 1.3));
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(page.left(), page.top(), page.width(), em * 1.8), Qt::AlignLeft | Qt::AlignVCenter,
                     texts::Said(content.title, reader));
    QFont body(QStringLiteral("Arial"));
    body.setPixelSize(qRound(em * 0.8));
    painter.setFont(body);
    painter.drawText(QRectF(page.left(), page.top(), page.width(), em * 1.8), Qt::AlignRight | Qt::AlignVCenter,
                     texts::ShortDate(reader));
    // The office's contact lines close the page; everything else stands above them.
    const QRectF contact(page.left(), page.bottom() - em * 2.2, page.width(), em * 2.2);
    painter.drawText(contact, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, ContactLines(content.office, reader));
    const QRectF bodyArea(page.left(), page.top(), page.width(), contact.top() - em * 0.4 - page.top());
    QRectF conditions(page.left(), page.top() + em * 2, page.width(), em * 2.4);
    painter.drawText(conditions, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     texts::Figures(content.conditions, reader));
    const QRectF tableArea(page.left(), conditions.bottom() + em * 0.5, page.width(), bodyArea.height());
    const double tableBottom = DrawTable(painter, tableArea, content.table, em * 0.9, reader);
    const QRectF chart(page.left(), tableBottom + em * 0.5, page.width(), bodyArea.bottom() - tableBottom - em * 0.5);
    if (chart.height() > em * 8) DrawComparisonChart(painter, chart, content.chart, em * 0.9, reader);
    painter.restore();
}

bool PrintComparisonPage(QPagedPaintDevice& device, const ComparisonPage& content, const Translator* reader) {
    device.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRectF printable = device.pageLayout().paintRectPixels(device.logicalDpiX());
    DrawComparisonPage(painter, QRectF(QPointF(0, 0), printable.size()), content, reader);
    return painter.end();
}

}  // namespace zorvik
