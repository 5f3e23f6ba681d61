#include "picture_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace zorvik {
namespace {

constexpr int kScreenDpi = 96;
const QString kDocumentTitle = QStringLiteral("Zorvik Air Pressure Amplifiers");

QString SuffixOf(const QString& fileName) { return QFileInfo(fileName).suffix().toLower(); }

bool DrawPng(QIODevice& file, QSize size, const PictureDrawing& draw, int scale) {
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    {
        Canvas canvas(image);
        draw(canvas);
    }
    return image.save(&file, "PNG");
}

// The painter ends (and the device writes out) before the result is known.
bool DrawVectors(QPaintDevice& device, QSize size, const PictureDrawing& draw) {
    QPainter painter(&device);
    if (!painter.isActive()) return false;
    {
        Canvas canvas(painter, size);
        draw(canvas);
    }
    return painter.end();
}

bool DrawSvg(QIODevice& file, QSize size, const PictureDrawing& draw) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kScreenDpi);
    svg.setTitle(kDocumentTitle);
    return DrawVectors(svg, size, draw);
}

bool DrawPdf(QIODevice& file, QSize size, const PictureDrawing& draw) {
    QPdfWriter pdf(&file);
    pdf.setResolution(kScreenDpi);
    // Exactly the picture's size in points, not rounded to a listed page.
    pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / kScreenDpi, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(kDocumentTitle);
    return DrawVectors(pdf, size, draw);
}

}  // namespace

bool IsPictureFileName(const QString& fileName) {
    const QString suffix = SuffixOf(fileName);
    return suffix == "png" || suffix == "svg" || suffix == "pdf";
}

bool DrawPictureFile(const QString& fileName, int width, int height, const PictureDrawing& draw, QString& error,
                     int scale) {
    const QString suffix = SuffixOf(fileName);
    if (!IsPictureFileName(fileName)) {
        error = QStringLiteral("the file name must end in .png, .svg or .pdf");
        return false;
    }
    const QSize size(width, height);
    // Written beside the file and renamed over it only when complete, so a
    // full disk or a failed drawing never leaves half a picture behind.
    QSaveFile file(fileName);
    bool written = file.open(QIODevice::WriteOnly);
    if (written && suffix == "png") written = DrawPng(file, size, draw, scale);
    if (written && suffix == "svg") written = DrawSvg(file, size, draw);
    if (written && suffix == "pdf") written = DrawPdf(file, size, draw);
    written = written && file.commit();
    if (!written) error = QStringLiteral("cannot write \"%1\"").arg(fileName);
    return written;
}

QByteArray PictureSvg(QSize size, const PictureDrawing& draw) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    DrawSvg(buffer, size, draw);
    return buffer.data();
}

}  // namespace zorvik
