#include "text_fit.h"

#include <QTextBoundaryFinder>
#include <vector>

#include "canvas.h"
#include "language.h"

namespace zorvik {

QString FitText(const Canvas& canvas, const QString& text, int width) {
    if (canvas.TextWidth(text) <= width) return text;
    const QString ellipsis(QChar(0x2026));
    std::vector<qsizetype> ends;  // where each whole character ends
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype end = characters.toNextBoundary(); end > 0; end = characters.toNextBoundary()) ends.push_back(end);
    // The widest prefix that fits, by halving: a hostile line is 100,000
    // characters long.
    std::size_t low = 0, high = ends.size();
    while (low < high) {
        const std::size_t mid = (low + high + 1) / 2;
        if (canvas.TextWidth(text.left(ends[mid - 1]).trimmed() + ellipsis) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return low == 0 ? ellipsis : text.left(ends[low - 1]).trimmed() + ellipsis;
}

void TextOutFitted(Canvas& canvas, int x, int y, int width, const QString& before, const QString& name,
                   const QString& after) {
    const int room = width - canvas.TextWidth(before) - canvas.TextWidth(after);
    canvas.TextOut(x, y, before + FitText(canvas, name, room) + after);
}

namespace {

QString ContactTemplate(const Translator* reader) {
    return texts::Said(Tr("Pages", "Please contact %1 if you require assistance."), reader);
}

}  // namespace

QString ContactText(const QString& company, const Translator* reader) { return ContactTemplate(reader).arg(company); }

void TextOutContact(Canvas& canvas, int x, int y, int width, const QString& company) {
    const QString line = ContactTemplate(canvas.Language());
    const qsizetype at = line.indexOf(QLatin1String("%1"));
    if (at < 0) {
        TextOutFitted(canvas, x, y, width, line, {});
        return;
    }
    TextOutFitted(canvas, x, y, width, line.left(at), company, line.mid(at + 2));
}

}  // namespace zorvik
