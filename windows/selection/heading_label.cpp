#include "heading_label.h"

#include <QFontMetrics>
#include <QPainter>

namespace zorvik {

QStringList HeadingLines(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    QString rest = text.trimmed();
    while (!rest.isEmpty()) {
        if (metrics.horizontalAdvance(rest) <= width) {
            lines << rest;
            break;
        }
        // The longest start of the text that ends before a blank and fits.
        int cut = rest.indexOf(QLatin1Char(' '));
        if (cut < 0) {
            lines << rest;
            break;
        }
        for (int next = rest.indexOf(QLatin1Char(' '), cut + 1); next > 0;
             next = rest.indexOf(QLatin1Char(' '), next + 1)) {
            if (metrics.horizontalAdvance(rest.left(next).trimmed()) > width) break;
            cut = next;
        }
        lines << rest.left(cut).trimmed();
        rest = rest.mid(cut).trimmed();
    }
    return lines;
}

void HeadingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QFontMetrics metrics(font());
    int y = area.top();
    for (const QString& line : HeadingLines(text(), metrics, area.width())) {
        painter.drawText(QRect(area.left(), y, area.width(), metrics.height()), Qt::AlignHCenter | Qt::AlignTop, line);
        y += metrics.lineSpacing();
    }
}

}  // namespace zorvik
