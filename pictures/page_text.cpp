#include "page_text.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <algorithm>

namespace zorvik {
namespace {

constexpr double kTitlePoints = 18;
constexpr double kHeadingPoints = 12;
constexpr double kFieldPoints = 10;
constexpr double kLabelShare = 0.34;  // of the width, for the labels of fields

QString WithLineSeparators(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return text;
}

}  // namespace

QFont PageFont(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QStringList WrappedLines(const QString& text, const QFont& font, QPaintDevice* device, double width, int maxLines) {
    const QString laid = WithLineSeparators(text);
    QTextLayout layout(laid, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    qsizetype shownEnd = laid.size();
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() == maxLines) {
            shownEnd = line.textStart();
            break;
        }
        lines << laid.mid(line.textStart(), line.textLength()).remove(QChar::LineSeparator).trimmed();
    }
    layout.endLayout();
    // The last line shown takes what follows, cut where the width ends.
    if (shownEnd < laid.size() && !lines.isEmpty()) {
        QString rest = laid.mid(shownEnd);
        rest.replace(QChar::LineSeparator, QLatin1Char(' '));
        lines.last() = QFontMetricsF(font, device)
                           .elidedText(lines.last() + QLatin1Char(' ') + rest.simplified(), Qt::ElideRight, width);
    }
    return lines;
}

PageText::PageText(QPainter& painter, const QRectF& area, int dpi)
    : painter_(painter), area_(area), dpi_(dpi), y_(area.top()), labelWidth_(area.width() * kLabelShare) {}

int PageText::LinesThatFit(const QFont& font) const {
    const double spacing = QFontMetricsF(font, painter_.device()).lineSpacing();
    return std::max(0, static_cast<int>((area_.bottom() - y_) / spacing));
}

void PageText::Lines(const QStringList& lines, const QFont& font, double left) {
    painter_.setFont(font);
    const QFontMetricsF metrics(font, painter_.device());
    double y = y_;
    for (const QString& line : lines) {
        painter_.drawText(QPointF(left, y + metrics.ascent()), line);
        y += metrics.lineSpacing();
    }
    y_ = std::max(y_, y);
}

void PageText::Title(const QString& text) {
    const QFont font = PageFont(kTitlePoints, true);
    Lines(WrappedLines(text, font, painter_.device(), area_.width(), std::min(2, LinesThatFit(font))), font,
          area_.left());
    Skip(6);
}

void PageText::Heading(const QString& text) {
    Skip(8);
    const QFont font = PageFont(kHeadingPoints, true);
    Lines(WrappedLines(text, font, painter_.device(), area_.width(), std::min(1, LinesThatFit(font))), font,
          area_.left());
    Skip(3);
}

void PageText::Paragraph(const QString& text, double points, bool bold, int maxLines) {
    const QFont font = PageFont(points, bold);
    Lines(WrappedLines(text, font, painter_.device(), area_.width(), std::min(maxLines, LinesThatFit(font))), font,
          area_.left());
}

void PageText::Field(const QString& label, const QString& value, int maxLines) {
    const QFont font = PageFont(kFieldPoints);
    const int room = std::min(maxLines, LinesThatFit(font));
    const double top = y_;
    Lines(WrappedLines(label, PageFont(kFieldPoints, true), painter_.device(), labelWidth_ - Points(6),
                       std::min(room, 2)),
          PageFont(kFieldPoints, true), area_.left());
    const double labelBottom = y_;
    y_ = top;
    Lines(WrappedLines(value, font, painter_.device(), area_.width() - labelWidth_, room), font,
          area_.left() + labelWidth_);
    y_ = std::max(y_, labelBottom) + Points(2);
}

void PageText::Rule() {
    painter_.save();
    painter_.setPen(QPen(Qt::black, Points(0.5)));
    painter_.drawLine(QPointF(area_.left(), y_), QPointF(area_.right(), y_));
    painter_.restore();
    Skip(4);
}

}  // namespace zorvik
