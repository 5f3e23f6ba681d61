#pragma once
// A picture on a window: a fixed-size image that the program draws on with
// a Canvas and that repaints itself from it. A picture given as a drawing is
// drawn again at the screen's device pixel ratio, so it stays sharp on a
// scaled screen, and again in the new language when the language changes
// (a drawing translates its words as it draws them). Clicks are reported. To
// assistive technology it is an image with the name and description its
// window gives it; a window that lets the keyboard reach it (a focus policy)
// gets Enter and Space reported as activated(), and the box frames itself
// while it has the focus.

#include <QImage>
#include <QWidget>

#include "canvas.h"

namespace zorvik {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The picture, sized to the widget. Draw on it with a Canvas, then call
    // update() (or Changed()); a box whose picture is given to Show() is
    // drawn through Show() only.
    QImage& Picture();
    const QImage& Picture() const;
    void SetPicture(const QImage& picture);
    void Changed() { update(); }

    // Draws `drawing` into the picture, of `size` or else the widget's, and
    // keeps it to draw the screen's picture and to give out again.
    void Show(const PictureDrawing& drawing, QSize size = QSize());
    // What the box shows, as a drawing: the one given to Show(), or the
    // picture itself.
    PictureDrawing Drawing() const;

signals:
    void clicked();
    void activated();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage& Sized();
    const QImage& Sharp();

    QImage picture_;
    PictureDrawing drawing_;
    QImage sharp_;  // drawing_ at the screen's pixel ratio, made when painted
};

}  // namespace zorvik
