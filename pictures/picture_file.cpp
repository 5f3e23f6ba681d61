#include "picture_file.h"

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

bool DrawPng(QIODevice& file, int width, int height, const std::function<void(Canvas&)>& draw) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Canvas canvas(image);
        draw(canvas);
    }
    return image.save(&file, "PNG");
}

// The canvas ends its painting (and the device writes out) when it goes.
bool DrawOnDevice(QPaintDevice& device, const std::function<void(Canvas&)>& draw) {
    Canvas canvas(device, kScreenDpi);
    if (!canvas.IsActive()) return false;
    draw(canvas);
    return true;
}

bool DrawSvg(QIODevice& file, int width, int height, const std::function<void(Canvas&)>& draw) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setResolution(kScreenDpi);
    svg.setTitle(kDocumentTitle);
    return DrawOnDevice(svg, draw);
}

bool DrawPdf(QIODevice& file, int width, int height, const std::function<void(Canvas&)>& draw) {
    QPdfWriter pdf(&file);
    pdf.setResolution(kScreenDpi);
    // Exactly the picture's size in points, not rounded to a listed page.
    pdf.setPageSize(QPageSize(QSizeF(width, height) * 72.0 / kScreenDpi, QPageSize::Point, QString(),
                              QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(kDocumentTitle);
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
    if (!IsPictureFileName(fileName)) {
        error = QStringLiteral("the file name must end in .png, .svg or .pdf");
        return false;
    }
    // Written beside the file and renamed over it only when complete, so a
    // full disk or a failed drawing never leaves half a picture behind.
    QSaveFile file(fileName);
    bool written = file.open(QIODevice::WriteOnly);
    if (written && suffix == "png") written = DrawPng(file, width, height, draw);
    if (written && suffix == "svg") written = DrawSvg(file, width, height, draw);
    if (written && suffix == "pdf") written = DrawPdf(file, width, height, draw);
    written = written && file.commit();
    if (!written) error = QStringLiteral("cannot write \"%1\"").arg(fileName);
    return written;
}

}  // namespace zorvik
