#pragma once

#include <QImage>

namespace zorvik {

// Puts a picture on the system clipboard.
void CopyPictureToClipboard(const QImage& picture);

}  // namespace zorvik
