#pragma once
// Text set down a printed page: titles, headings, label-and-value lines and
// wrapped paragraphs, in point sizes, on any paged device. Texts typed by
// users (a job's notes, a tag) can be of any length; every block keeps to
// the area it is given and ends in "…" where it is cut, so nothing runs off
// the page or over the next block.

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace zorvik {

// The font of printed pages at `points` (resolved at the device's dpi).
QFont PageFont(double points, bool bold = false);

// `text` broken into the lines that fit `width` device pixels in `font` on
// `device`, at most `maxLines` of them; the last one shown ends in "…" when
// the text goes on. Line ends in the text start new lines.
QStringList WrappedLines(const QString& text, const QFont& font, QPaintDevice* device, double width, int maxLines);

class PageText {
public:
    // Writes down `area` (device pixels) of a page at `dpi` from its top.
    PageText(QPainter& painter, const QRectF& area, int dpi);

    double Points(double points) const { return points * dpi_ / 72.0; }
    double Top() const { return y_; }
    double Bottom() const { return area_.bottom(); }
    void Skip(double points) { y_ += Points(points); }

    void Title(const QString& text);    // 18 pt bold, up to two lines
    void Heading(const QString& text);  // 12 pt bold, a little space before it
    // Wrapped across the width, as many lines as the area has room for, or
    // `maxLines`.
    void Paragraph(const QString& text, double points = 10, bool bold = false, int maxLines = 1000);
    // A label in the left column, its value wrapped in the right one.
    void Field(const QString& label, const QString& value, int maxLines = 6);
    // A thin line across the area.
    void Rule();

private:
    // Lines of `font` at the top, as many as fit above the bottom.
    void Lines(const QStringList& lines, const QFont& font, double left);
    int LinesThatFit(const QFont& font) const;

    QPainter& painter_;
    QRectF area_;
    int dpi_;
    double y_;
    double labelWidth_;
};

}  // namespace zorvik
