#include "chart_pictures.h"

#include <gtest/gtest.h>

#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "performance_chart.h"
#include "picture_file.h"

namespace zorvik::testing {

QImage DrawnPicture(const std::function<void(Canvas&)>& draw) {
    QImage image(ChartPictureWidth, ChartPictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Canvas canvas(image);
        draw(canvas);
    }
    return image;
}

int CountColor(const QImage& image, const QRect& area, const QColor& color) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.valid(x, y) && QColor(image.pixel(x, y)) == color) ++n;
    return n;
}

namespace {

// PDF points are 0.75 picture pixels (72 against 96 dpi).
constexpr double kPixelsPerPoint = 96.0 / 72.0;

// The words of each page of a PDF, as pdftotext -bbox reads them.
std::vector<std::vector<PlacedWord>> WordsOfPages(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", pdf, "-"});
    EXPECT_TRUE(pdftotext.waitForFinished(120000));
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());

    static const QRegularExpression item(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<std::vector<PlacedWord>> pages;
    for (auto it = item.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(5).isEmpty() && m.captured(1).isEmpty()) {
            pages.emplace_back();
            continue;
        }
        if (pages.empty()) continue;
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        pages.back().push_back({m.captured(5), QRectF(topLeft * kPixelsPerPoint, bottomRight * kPixelsPerPoint)});
    }
    return pages;
}

}  // namespace

std::vector<PlacedWord> DrawnWords(const std::function<void(Canvas&)>& draw) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("chart.pdf");
    QString error;
    EXPECT_TRUE(DrawPictureFile(FilePath(pdf), ChartPictureWidth, ChartPictureHeight, draw, error))
        << error.toStdString();
    const auto pages = WordsOfPages(pdf);
    EXPECT_EQ(pages.size(), 1u);
    const std::vector<PlacedWord> words = pages.empty() ? std::vector<PlacedWord>{} : pages.front();
    EXPECT_FALSE(words.empty()) << "pdftotext read no words";
    return words;
}

std::vector<std::vector<PlacedWord>> DrawnWordsOfEach(const std::vector<std::function<void(Canvas&)>>& draws) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("charts.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setResolution(96);
        writer.setPageSize(QPageSize(QSizeF(ChartPictureWidth, ChartPictureHeight) / kPixelsPerPoint, QPageSize::Point,
                                     QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        Canvas canvas(writer, 96);
        for (std::size_t i = 0; i < draws.size(); ++i) {
            if (i > 0) writer.newPage();
            draws[i](canvas);
        }
    }
    auto pages = WordsOfPages(pdf);
    EXPECT_EQ(pages.size(), draws.size());
    pages.resize(draws.size());
    return pages;
}

std::vector<std::pair<PlacedWord, PlacedWord>> OverlappingWords(const std::vector<PlacedWord>& words) {
    std::vector<std::pair<PlacedWord, PlacedWord>> found;
    for (std::size_t i = 0; i < words.size(); ++i)
        for (std::size_t j = i + 1; j < words.size(); ++j) {
            const QRectF overlap = words[i].box.adjusted(1, 1, -1, -1) & words[j].box.adjusted(1, 1, -1, -1);
            if (!overlap.isEmpty()) found.emplace_back(words[i], words[j]);
        }
    return found;
}

std::vector<QRectF> DrawnOutlines(const std::function<void(Canvas&)>& draw) {
    const QString svg = QString::fromUtf8(PictureSvg(QSize(ChartPictureWidth, ChartPictureHeight), draw));
    // Each shape stands in a group that gives its stroke; a one-pixel line
    // covers half a pixel either side of the shape's geometry.
    static const QRegularExpression item(
        R"re(<g [^>]*stroke="([^"]*)"|<rect x="([-\d.]+)" y="([-\d.]+)" width="([\d.]+)" height="([\d.]+)"|)re"
        R"re(<ellipse cx="([-\d.]+)" cy="([-\d.]+)" rx="([\d.]+)" ry="([\d.]+)")re");
    std::vector<QRectF> outlines;
    bool stroked = false;
    for (auto it = item.globalMatch(svg); it.hasNext();) {
        const auto m = it.next();
        const auto number = [&](int i) { return m.captured(i).toDouble(); };
        if (m.capturedLength(1) > 0) {
            stroked = m.captured(1) != QStringLiteral("none");
            continue;
        }
        if (!stroked) continue;
        const QRectF shape = m.capturedLength(2) > 0
                                 ? QRectF(number(2), number(3), number(4), number(5))
                                 : QRectF(number(6) - number(8), number(7) - number(9), 2 * number(8), 2 * number(9));
        outlines.push_back(shape.adjusted(-0.5, -0.5, 0.5, 0.5));
    }
    return outlines;
}

std::vector<std::pair<QRectF, QRectF>> OutlinesCloserThan(const std::vector<QRectF>& outlines, double clear) {
    std::vector<std::pair<QRectF, QRectF>> found;
    for (std::size_t i = 0; i < outlines.size(); ++i)
        for (std::size_t j = i + 1; j < outlines.size(); ++j)
            if (outlines[i].adjusted(-clear, -clear, clear, clear).intersects(outlines[j]))
                found.emplace_back(outlines[i], outlines[j]);
    return found;
}

std::vector<PlacedWord> WordsNamed(const std::vector<PlacedWord>& words, const QString& text) {
    std::vector<PlacedWord> found;
    for (const PlacedWord& w : words)
        if (w.text == text) found.push_back(w);
    return found;
}

}  // namespace zorvik::testing
