// The pages of a submittal that speak of the whole job: its cover and its
// schedule, and the footer every page carries.

#include <QFontMetricsF>
#include <QPainter>
#include <array>

#include "language.h"
#include "fixed_format.h"
#include "page_text.h"
#include "print_page.h"
#include "submittal_pages.h"

namespace zorvik {
namespace {

constexpr double kSchedulePoints = 7.5;
constexpr int kCellLines = 4;           // a longer cell ends in "…"
constexpr double kTableTopPoints = 34;  // room for the schedule's title
constexpr double kCellPadPoints = 2.5;
constexpr double kFooterPoints = 8;

// The share of the width each schedule column takes, in the schedule's order.
// clang-format off
constexpr std::array<double, job::ScheduleColumns> kColumnShares = {
    // Tag  Qty   Application Duty  Model Delivers Drive air Cycles Cost  Status
    0.08, 0.035, 0.065,       0.24, 0.09, 0.075,   0.075,    0.06,  0.09, 0.19,
};
// clang-format on

QString Plain(const std::string& text) { return QString::fromStdString(text); }

double Points(double points, int dpi) { return points * dpi / 72.0; }

QString Number(double value, const Translator* reader) {
    return QString::fromStdString(WithDecimalSeparator(ShortestNumber(value), texts::DecimalOf(reader)));
}

QString CostSettingsText(const CostSettings& cost, const Translator* reader) {
    return Number(cost.kwPer100Scfm, reader) + QStringLiteral(" kW per 100 scfm of air made, ") +
           Number(cost.hoursPerYear, reader) + QStringLiteral(" hours a year, ") + Number(cost.pricePerKwh, reader) +
           QStringLiteral(" per kWh; ") +
           (cost.inletIsPlantAir ? QStringLiteral("the gas boosted is drive air, so its flow counts too")
                                 : QStringLiteral("the gas boosted does not come from the drive air supply"));
}

QString ItemCountText(const job::Job& job) {
    int units = 0;
    for (const job::JobItem& item : job.items) units += item.quantity;
    return QString::number(job.items.size()) + QStringLiteral(" items, ") + QString::number(units) +
           QStringLiteral(" amplifiers in all");
}

struct Table {
    std::array<double, job::ScheduleColumns> left{};
    std::array<double, job::ScheduleColumns> width{};
    QFont font = PageFont(kSchedulePoints);
    QFont bold = PageFont(kSchedulePoints, true);
    double pad = 0;
};

Table TableIn(const QRectF& area, int dpi) {
    Table t;
    t.pad = Points(kCellPadPoints, dpi);
    double x = area.left();
    for (std::size_t c = 0; c < job::ScheduleColumns; ++c) {
        t.left[c] = x;
        t.width[c] = area.width() * kColumnShares[c];
        x += t.width[c];
    }
    return t;
}

// A schedule cell on one line; the tag as typed, the others with the
// reader's decimal separator.
QString Cell(const Text& cell, std::size_t column, const Translator* reader) {
    const std::string text = job::CellText(cell, reader);
    return QString::fromStdString(column == 0 ? text : WithDecimalSeparator(text, texts::DecimalOf(reader)));
}

std::array<QStringList, job::ScheduleColumns> CellLines(const Table& t, const std::vector<Text>& cells,
                                                        const QFont& font, QPaintDevice* device,
                                                        const Translator* reader) {
    std::array<QStringList, job::ScheduleColumns> lines;
    for (std::size_t c = 0; c < job::ScheduleColumns && c < cells.size(); ++c)
        lines[c] = WrappedLines(Cell(cells[c], c, reader), font, device, t.width[c] - 2 * t.pad, kCellLines);
    return lines;
}

double RowHeight(const Table& t, const std::array<QStringList, job::ScheduleColumns>& lines, const QFont& font,
                 QPaintDevice* device) {
    qsizetype most = 1;
    for (const QStringList& cell : lines) most = std::max(most, cell.size());
    return most * QFontMetricsF(font, device).lineSpacing() + 2 * t.pad;
}

// Draws one row with its top at `y`; returns its height.
double DrawRow(QPainter& p, const Table& t, const std::vector<Text>& cells, const QFont& font, double y,
               const QColor& ground, double right, const Translator* reader) {
    const auto lines = CellLines(t, cells, font, p.device(), reader);
    const double height = RowHeight(t, lines, font, p.device());
    if (ground.isValid()) p.fillRect(QRectF(t.left[0], y, right - t.left[0], height), ground);
    p.setFont(font);
    const QFontMetricsF metrics(font, p.device());
    for (std::size_t c = 0; c < job::ScheduleColumns; ++c)
        for (qsizetype l = 0; l < lines[c].size(); ++l)
            p.drawText(QPointF(t.left[c] + t.pad, y + t.pad + metrics.ascent() + l * metrics.lineSpacing()),
                       lines[c][l]);
    return height;
}

}  // namespace

bool IsLandscape(SubmittalPageKind kind) {
    return kind == SubmittalPageKind::Schedule || kind == SubmittalPageKind::Comparison;
}

void DrawCoverPage(QPainter& painter, const QRectF& area, const SubmittalDocument& d) {
    const job::JobHeader& h = d.job.header;
    PageText t(painter, area, d.dpi);
    t.Paragraph(Plain(d.office.Field[1]), 14, true, 2);
    for (int line = 2; line <= 5; ++line)
        if (!d.office.Field[line].empty()) t.Paragraph(Plain(d.office.Field[line]), 10, false, 1);
    t.Paragraph(Plain(TelFaxLine(d.office)), 10, false, 1);
    t.Skip(36);
    t.Rule();
    t.Paragraph(QStringLiteral("Submittal"), 12);
    t.Title(h.name.empty() ? QStringLiteral("Untitled job") : Plain(h.name));
    t.Field(QStringLiteral("Customer"), Plain(h.customer), 3);
    t.Field(QStringLiteral("Site or project reference"), Plain(h.reference), 3);
    t.Field(QStringLiteral("Engineer"), Plain(h.engineer), 2);
    t.Field(QStringLiteral("Revision"), Plain(h.revision), 2);
    t.Field(QStringLiteral("Date"), h.date.empty() ? texts::ShortDate(d.reader) : Plain(h.date), 2);
    t.Field(QStringLiteral("Line items"), ItemCountText(d.job));
    t.Field(QStringLiteral("Running cost of the drive air"), CostSettingsText(h.cost, d.reader));
    if (!h.notes.empty()) {
        t.Heading(QStringLiteral("Notes"));
        t.Paragraph(Plain(h.notes), 10);
    }
}

std::vector<std::size_t> SchedulePageRows(QPaintDevice* device, const QRectF& area, const SubmittalDocument& d) {
    const Table t = TableIn(area, d.dpi);
    const double header = RowHeight(t, CellLines(t, d.schedule.headings, t.bold, device, d.reader), t.bold, device);
    const double room = area.height() - Points(kTableTopPoints, d.dpi) - header;
    std::vector<std::size_t> pages = {0};
    double used = 0;
    for (const std::vector<Text>& row : d.schedule.rows) {
        const double height = RowHeight(t, CellLines(t, row, t.font, device, d.reader), t.font, device);
        if (pages.back() > 0 && used + height > room) {
            pages.push_back(0);
            used = 0;
        }
        ++pages.back();
        used += height;
    }
    return pages;
}

void DrawSchedulePage(QPainter& painter, const QRectF& area, const SubmittalDocument& d, const SubmittalPage& page) {
    PageText title(painter, area, d.dpi);
    title.Title(QStringLiteral("Schedule"));
    const Table t = TableIn(area, d.dpi);
    double y = area.top() + Points(kTableTopPoints, d.dpi);
    y += DrawRow(painter, t, d.schedule.headings, t.bold, y, QColor(0xdd, 0xdd, 0xdd), area.right(), d.reader);
    if (d.schedule.rows.empty()) {
        painter.setFont(t.font);
        painter.drawText(QPointF(area.left() + t.pad, y + Points(12, d.dpi)), QStringLiteral("The job has no items."));
        return;
    }
    for (std::size_t r = page.firstRow; r < page.firstRow + page.rows; ++r) {
        const QColor ground = (r - page.firstRow) % 2 == 1 ? QColor(0xf2, 0xf2, 0xf2) : QColor();
        y += DrawRow(painter, t, d.schedule.rows[r], t.font, y, ground, area.right(), d.reader);
    }
}

void DrawPageFooter(QPainter& painter, const QRectF& area, const SubmittalDocument& d, const SubmittalPage& page,
                    int number, int count) {
    const job::JobHeader& h = d.job.header;
    QString left = h.name.empty() ? QStringLiteral("Untitled job") : Plain(h.name);
    if (!h.revision.empty()) left += QStringLiteral("  -  Revision ") + Plain(h.revision);
    if (page.kind != SubmittalPageKind::Cover && page.kind != SubmittalPageKind::Schedule)
        left += QStringLiteral("  -  Item ") + Plain(d.job.items[page.item].tag);
    const QString right = QStringLiteral("Page %1 of %2").arg(number).arg(count);
    const QFont font = PageFont(kFooterPoints);
    const QFontMetricsF metrics(font, painter.device());
    const double baseline = area.bottom() + Points(kFooterPoints * 2.2, d.dpi);
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, Points(0.5, d.dpi)));
    painter.drawLine(QPointF(area.left(), area.bottom() + Points(6, d.dpi)),
                     QPointF(area.right(), area.bottom() + Points(6, d.dpi)));
    const double rightWidth = metrics.horizontalAdvance(right);
    const double leftWidth = area.width() - rightWidth - Points(12, d.dpi);
    painter.drawText(QPointF(area.left(), baseline), metrics.elidedText(left.simplified(), Qt::ElideRight, leftWidth));
    painter.drawText(QPointF(area.right() - rightWidth, baseline), right);
}

}  // namespace zorvik
