#include "fitted_label.h"

#include <QFontMetrics>
#include <QLabel>
#include <climits>

namespace zorvik {
namespace {

bool Fits(const QFont& font, const QString& text, const QSize& room) {
    const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, room.width(), INT_MAX), Qt::TextWordWrap, text);
    return needed.height() <= room.height();
}

}  // namespace

void SetFittedText(QLabel& label, const QString& text) {
    const QSize room = label.contentsRect().size();
    QFont font = label.window()->font();
    int pixels = QFontInfo(font).pixelSize();
    font.setPixelSize(pixels);
    while (!Fits(font, text, room) && pixels > SmallestFittedPixels) font.setPixelSize(--pixels);
    QString shown = text;
    while (!Fits(font, shown, room) && shown.contains(QLatin1Char(' ')))
        shown = shown.left(shown.lastIndexOf(QLatin1Char(' '))) + QChar(0x2026);
    label.setFont(font);
    label.setText(shown);
    label.setToolTip(shown == text ? QString() : text);
}

}  // namespace zorvik
