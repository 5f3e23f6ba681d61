#pragma once
// Writes a picture drawn on a Canvas to a file. The file name's suffix picks
// the format: .png is drawn into an image at 96 dpi, .svg and .pdf onto a
// vector device of the same size in pixels, by the same drawing code.

#include <QString>
#include <functional>

#include "canvas.h"

namespace zorvik {

// True when the suffix is one of .png, .svg and .pdf (any case).
bool IsPictureFileName(const QString& fileName);

// Draws a width x height picture with `draw` into the file. False, with a
// one-line reason in `error`, when the suffix is unknown or the file cannot
// be written.
bool DrawPictureFile(const QString& fileName, int width, int height, const std::function<void(Canvas&)>& draw,
                     QString& error);

}  // namespace zorvik
