#include "graph/picture_file.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace zorvik {
namespace {

constexpr int kScreenDpi = 96;

QString SuffixOf(const QString& fileName) { return QFileInfo(fileName).suffix().toLower(); }

bool DrawPng(const QString& fileName, int width, int height, const std::function<void(Canvas&)>& draw) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Canvas canvas(image);
        draw(canvas);
    }
    return image.save(fileName, "PNG");
}

bool DrawOnDevice(QPaintDevice& device, const std::function<void(Canvas&)>& draw) {
    Canvas canvas(device, kScreenDpi);
    if (!canvas.IsActive()) return false;
    draw(canvas);
    return true;
}

bool DrawSvg(const QString& fileName, int width, int height, const std::function<void(Canvas&)>& draw) {
    QSvgGenerator svg;
    svg.setFileName(fileName);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setResolution(kScreenDpi);
    return DrawOnDevice(svg, draw);
}

bool DrawPdf(const QString& fileName, int width, int height, const std::function<void(Canvas&)>& draw) {
    QPdfWriter pdf(fileName);
    pdf.setResolution(kScreenDpi);
    pdf.setPageSize(QPageSize(QSizeF(width, height) / kScreenDpi, QPageSize::Inch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    return DrawOnDevice(pdf, draw);
}

}  // namespace

bool IsPictureFileName(const QString& fileName) {
    const QString suffix = SuffixOf(fileName);
    return suffix == "png" || suffix == "svg" || suffix == "pdf";
}

bool DrawPictureFile(const QString& fileName, int width, int height, const std::function<void(Canvas&)>& draw,
                     QString& error) {
    const QString suffix = SuffixOf(fileName);
    bool written = false;
    if (suffix == "png") written = DrawPng(fileName, width, height, draw);
    else if (suffix == "svg") written = DrawSvg(fileName, width, height, draw);
    else if (suffix == "pdf") written = DrawPdf(fileName, width, height, draw);
    else {
        error = QStringLiteral("the file name must end in .png, .svg or .pdf");
        return false;
    }
    if (!written) error = QStringLiteral("cannot write \"%1\"").arg(fileName);
    return written;
}

}  // namespace zorvik
