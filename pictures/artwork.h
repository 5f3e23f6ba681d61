#pragma once
// The program's pictures are its own SVG drawings, compiled in as resources
// (":/art/<name>.svg") and rendered, when first drawn, to pictures of the
// sizes the windows lay them out by. Pictures that are drawn again and again
// (the dimension drawings' outlines, the schematic's pieces) are kept once
// here; a picture its window keeps itself is rendered without keeping it.

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace zorvik {

// The picture `name` rendered to exactly `size` pixels on a transparent
// ground, kept for the run. A missing drawing gives a grey placeholder
// frame, never a crash.
QImage Artwork(const QString& name, QSize size);

// The same, rendered afresh and not kept: for pictures that their window
// draws once and keeps itself, so the picture is not held twice. The ground
// is transparent unless given.
QImage RenderArtwork(const QString& name, QSize size, const QColor& ground = Qt::transparent);

// The kept picture on a white ground, for pictures that stand on a page.
QImage ArtworkOnWhite(const QString& name, QSize size);

// Renders the picture `name` over the whole of `surface`, straight onto what
// is there: for a picture that fills a surface the program goes on drawing
// on, so that no second full-size picture is made on the way.
void PaintArtwork(QImage& surface, const QString& name);

// Draws the picture `name` as vectors into `target` on a painter that is
// drawing (a page, a file, a picture at any scale), straight onto what is
// there.
void RenderArtworkOn(QPainter& painter, const QString& name, const QRectF& target);

// True when ":/art/<name>.svg" exists and is a valid drawing.
bool HasArtwork(const QString& name);

}  // namespace zorvik
