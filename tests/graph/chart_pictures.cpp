#include "chart_pictures.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "graph/performance_chart.h"
#include "platform/picture_file.h"

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

std::vector<PlacedWord> DrawnWords(const std::function<void(Canvas&)>& draw) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("chart.pdf");
    QString error;
    EXPECT_TRUE(DrawPictureFile(pdf, ChartPictureWidth, ChartPictureHeight, draw, error)) << error.toStdString();

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", pdf, "-"});
    EXPECT_TRUE(pdftotext.waitForFinished(30000));
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());

    // PDF points are 0.75 picture pixels (72 against 96 dpi).
    constexpr double kPixelsPerPoint = 96.0 / 72.0;
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<PlacedWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.push_back({m.captured(5), QRectF(topLeft * kPixelsPerPoint, bottomRight * kPixelsPerPoint)});
    }
    EXPECT_FALSE(words.empty()) << "pdftotext read no words";
    return words;
}

std::vector<PlacedWord> WordsNamed(const std::vector<PlacedWord>& words, const QString& text) {
    std::vector<PlacedWord> found;
    for (const PlacedWord& w : words)
        if (w.text == text) found.push_back(w);
    return found;
}

}  // namespace zorvik::testing
