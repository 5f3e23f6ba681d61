#include "artwork.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace zorvik {
namespace {

QString PathOf(const QString& name) { return QStringLiteral(":/art/%1.svg").arg(name); }

void Paint(QImage& surface, const QString& name) {
    const QSize size = surface.size();
    QPainter painter(&surface);
    QSvgRenderer renderer(PathOf(name));
    if (renderer.isValid()) {
        renderer.render(&painter, QRectF(0, 0, size.width(), size.height()));
    } else {
        painter.setPen(QColor(160, 160, 160));
        painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
        painter.drawText(QRect(0, 0, size.width(), size.height()), Qt::AlignCenter, name);
    }
}

QImage RenderUncached(const QString& name, QSize size, const QColor& ground) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(ground);
    Paint(image, name);
    return image;
}

QImage Render(const QString& name, QSize size, const QColor& ground) {
    // Pictures are rendered once per size and shared: windows keep them for
    // the whole run, and redraws must not re-parse SVG.
    static QHash<QString, QImage> cache;
    const QString key = QStringLiteral("%1@%2x%3/%4").arg(name).arg(size.width()).arg(size.height()).arg(ground.name(QColor::HexArgb));
    const auto found = cache.constFind(key);
    if (found != cache.constEnd()) return *found;
    const QImage image = RenderUncached(name, size, ground);
    cache.insert(key, image);
    return image;
}

}  // namespace

QImage Artwork(const QString& name, QSize size) { return Render(name, size, Qt::transparent); }

QImage RenderArtwork(const QString& name, QSize size, const QColor& ground) {
    return RenderUncached(name, size, ground);
}

QImage ArtworkOnWhite(const QString& name, QSize size) { return Render(name, size, Qt::white); }

void PaintArtwork(QImage& surface, const QString& name) { Paint(surface, name); }

bool HasArtwork(const QString& name) {
    if (!QFile::exists(PathOf(name))) return false;
    return QSvgRenderer(PathOf(name)).isValid();
}

}  // namespace zorvik
