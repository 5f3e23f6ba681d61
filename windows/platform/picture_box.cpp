#include "picture_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "focus_frame.h"
#include "picture_accessible.h"
#include "language.h"

namespace zorvik {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    RegisterPictureAccessibility();
}

QImage& PictureBox::Sized() {
    if (picture_.size() != size()) {
        QImage resized(size(), QImage::Format_RGB32);
        resized.fill(Qt::white);
        if (!picture_.isNull()) {
            QPainter painter(&resized);
            painter.drawImage(0, 0, picture_);
        }
        picture_ = resized;
        sharp_ = QImage();
    }
    return picture_;
}

QImage& PictureBox::Picture() { return Sized(); }

const QImage& PictureBox::Picture() const { return const_cast<PictureBox*>(this)->Sized(); }

void PictureBox::SetPicture(const QImage& picture) {
    drawing_ = nullptr;
    sharp_ = QImage();
    picture_ = picture.convertToFormat(QImage::Format_RGB32);
    update();
}

void PictureBox::Show(const PictureDrawing& drawing, QSize size) {
    if (size.isEmpty()) size = this->size();
    if (picture_.size() != size) picture_ = QImage(size, QImage::Format_RGB32);
    picture_.fill(Qt::white);
    {
        Canvas canvas(picture_);
        canvas.SetTranslator(texts::DesktopTranslator());
        drawing(canvas);
    }
    drawing_ = drawing;
    sharp_ = QImage();
    update();
}

PictureDrawing PictureBox::Drawing() const {
    if (drawing_) return drawing_;
    return [picture = picture_](Canvas& canvas) { canvas.Draw(0, 0, picture); };
}

const QImage& PictureBox::Sharp() {
    const qreal ratio = devicePixelRatioF();
    if (sharp_.isNull() || sharp_.devicePixelRatio() != ratio) {
        sharp_ = QImage(picture_.size() * ratio, QImage::Format_RGB32);
        sharp_.setDevicePixelRatio(ratio);
        sharp_.fill(Qt::white);
        Canvas canvas(sharp_);
        canvas.SetTranslator(texts::DesktopTranslator());
        drawing_(canvas);
    }
    return sharp_;
}

void PictureBox::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && drawing_) Show(drawing_, picture_.size());
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (drawing_ && devicePixelRatioF() != 1.0)
        painter.drawImage(0, 0, Sharp());
    else
        painter.drawImage(0, 0, picture_);
    DrawFocusFrame(painter, *this);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
    QWidget::mousePressEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (IsActivationKey(*event)) {
        emit activated();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Sized();
}

}  // namespace zorvik
