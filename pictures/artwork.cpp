#include "artwork.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <memory>

namespace zorvik {
namespace {

QString PathOf(const QString& name) { return QStringLiteral(":/art/%1.svg").arg(name); }

// A missing drawing gives a grey placeholder frame, never a crash.
void PaintOn(QPainter& painter, QSvgRenderer& renderer, const QString& name, const QRectF& target) {
    if (renderer.isValid()) {
        renderer.render(&painter, target);
        return;
    }
    painter.save();
    painter.setPen(QColor(160, 160, 160));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(target.adjusted(0, 0, -1, -1));
    painter.drawText(target, Qt::AlignCenter, name);
    painter.restore();
}

void Paint(QImage& surface, const QString& name) {
    const QSize size = surface.size();
    QPainter painter(&surface);
    QSvgRenderer renderer(PathOf(name));
    PaintOn(painter, renderer, name, QRectF(0, 0, size.width(), size.height()));
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
    const QString key =
        QStringLiteral("%1@%2x%3/%4").arg(name).arg(size.width()).arg(size.height()).arg(ground.name(QColor::HexArgb));
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

void RenderArtworkOn(QPainter& painter, const QString& name, const QRectF& target) {
    // Parsed once per drawing for the run: vector pictures redraw them at
    // every repaint of a sharp window and every page.
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    std::shared_ptr<QSvgRenderer>& renderer = renderers[name];
    if (!renderer) renderer = std::make_shared<QSvgRenderer>(PathOf(name));
    PaintOn(painter, *renderer, name, target);
}

bool HasArtwork(const QString& name) {
    if (!QFile::exists(PathOf(name))) return false;
    return QSvgRenderer(PathOf(name)).isValid();
}

}  // namespace zorvik
