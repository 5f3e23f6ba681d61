#include "picture_file.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "durable_write.h"
#include "language.h"

namespace zorvik {
namespace {

constexpr int kScreenDpi = 96;
const QString kDocumentTitle = QStringLiteral("Zorvik Air Pressure Amplifiers");

QString SuffixOf(const std::filesystem::path& file) { return ShownPath(file.extension()).toLower(); }

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

// Windows names files in UTF-16, everything else in bytes.
#ifdef _WIN32
std::filesystem::path FilePath(const QString& fileName) { return std::filesystem::path(fileName.toStdWString()); }
QString ShownPath(const std::filesystem::path& file) { return QString::fromStdWString(file.native()); }
#else
std::filesystem::path FilePath(const QString& fileName) {
    return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}
QString ShownPath(const std::filesystem::path& file) {
    return QFile::decodeName(QByteArray::fromStdString(file.native()));
}
#endif

bool WriteOutputFile(const std::filesystem::path& file, const QByteArray& bytes, QString& error,
                     const Translator* reader) {
    Text reason;
    if (job::WriteOutput(file, bytes.toStdString(), reason)) return true;
    error = QStringLiteral("cannot write \"%1\": %2").arg(ShownPath(file), texts::Said(reason, reader));
    return false;
}

bool IsPictureFileName(const std::filesystem::path& file) {
    const QString suffix = SuffixOf(file);
    return suffix == ".png" || suffix == ".svg" || suffix == ".pdf";
}

bool DrawPictureFile(const std::filesystem::path& file, int width, int height, const PictureDrawing& draw,
                     QString& error, int scale) {
    const QString suffix = SuffixOf(file);
    if (!IsPictureFileName(file)) {
        error = QStringLiteral("the file name must end in .png, .svg or .pdf");
        return false;
    }
    const QSize size(width, height);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    bool drawn = false;
    if (suffix == ".png") drawn = DrawPng(bytes, size, draw, scale);
    if (suffix == ".svg") drawn = DrawSvg(bytes, size, draw);
    if (suffix == ".pdf") drawn = DrawPdf(bytes, size, draw);
    if (!drawn) {
        error = QStringLiteral("cannot draw \"%1\"").arg(ShownPath(file));
        return false;
    }
    return WriteOutputFile(file, bytes.data(), error, nullptr);
}

QByteArray PictureSvg(QSize size, const PictureDrawing& draw) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    DrawSvg(buffer, size, draw);
    return buffer.data();
}

}  // namespace zorvik
