#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace zorvik {

void CopyPictureToClipboard(const QImage& picture) { QGuiApplication::clipboard()->setImage(picture); }

}  // namespace zorvik
