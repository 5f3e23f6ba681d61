#pragma once
// The program's pictures are its own SVG drawings, compiled in as resources
// (":/art/<name>.svg") and rendered once to pictures of the sizes the windows
// lay them out by.

#include <QImage>
#include <QSize>
#include <QString>

namespace zorvik {

// The picture `name` rendered to exactly `size` pixels on a transparent
// ground. A missing drawing gives a grey placeholder frame, never a crash.
QImage Artwork(const QString& name, QSize size);

// The same, rendered afresh and not kept: for pictures that their window
// draws once and keeps itself, so the picture is not held twice.
QImage RenderArtwork(const QString& name, QSize size);

// The same on a white ground, for pictures that stand on a page.
QImage ArtworkOnWhite(const QString& name, QSize size);

// True when ":/art/<name>.svg" exists and is a valid drawing.
bool HasArtwork(const QString& name);

}  // namespace zorvik
