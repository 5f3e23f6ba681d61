#pragma once

#include <QImage>

#include "canvas.h"

namespace zorvik {

// The clipboard's type for a picture as vectors.
inline constexpr char SvgMimeType[] = "image/svg+xml";

// Puts a picture on the system clipboard twice: the bitmap, and the same
// picture drawn afresh as SVG for the programs that take vectors.
void CopyPictureToClipboard(const QImage& picture, const PictureDrawing& drawing);

}  // namespace zorvik
