#pragma once
// A column heading over the result list: white on blue, centred, wrapped
// only at blanks. A plain label would also break after "/" and split
// "nl/min" over two lines.

#include <QLabel>
#include <QStringList>

class QFontMetrics;

namespace zorvik {

// The lines of `text` in `width` pixels, broken at blanks only; a word wider
// than the width keeps a line of its own.
QStringList HeadingLines(const QString& text, const QFontMetrics& metrics, int width);

class HeadingLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zorvik
