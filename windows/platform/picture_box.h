#pragma once
// A picture on a window: a fixed-size image that the program draws on with
// a Canvas and that repaints itself from it. Clicks are reported.

#include <QImage>
#include <QWidget>

namespace zorvik {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The picture, sized to the widget. Draw on it with a Canvas, then call
    // update() (or Changed()).
    QImage& Picture();
    const QImage& Picture() const;
    void SetPicture(const QImage& picture);
    void Changed() { update(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage picture_;
};

}  // namespace zorvik
