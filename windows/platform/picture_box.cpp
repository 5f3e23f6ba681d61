#include "picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace zorvik {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QImage& PictureBox::Picture() {
    if (picture_.size() != size()) {
        QImage resized(size(), QImage::Format_RGB32);
        resized.fill(Qt::white);
        if (!picture_.isNull()) {
            QPainter painter(&resized);
            painter.drawImage(0, 0, picture_);
        }
        picture_ = resized;
    }
    return picture_;
}

const QImage& PictureBox::Picture() const { return const_cast<PictureBox*>(this)->Picture(); }

void PictureBox::SetPicture(const QImage& picture) {
    picture_ = picture.convertToFormat(QImage::Format_RGB32);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
    QWidget::mousePressEvent(event);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Picture();
}

}  // namespace zorvik
