#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "picture_file.h"

namespace zorvik {

void CopyPictureToClipboard(const QImage& picture, const PictureDrawing& drawing) {
    auto* data = new QMimeData;
    data->setImageData(picture);
    data->setData(QString::fromLatin1(SvgMimeType), PictureSvg(picture.size(), drawing));
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace zorvik
