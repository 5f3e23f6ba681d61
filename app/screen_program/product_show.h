#pragma once
// The screen program's display: the product range, one product at a time,
// fading in and out on a dark ground and drifting slowly so that nothing
// stays on one spot of the screen. A key, a click or a real mouse movement
// ends it; it then tells the main program so.

#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace zorvik {

struct ShowSlide {
    QString Picture;    // artwork name
    QSize PictureSize;  // its natural size, for its proportions
    QString Title;
    QStringList Facts;
};

// One slide per product family, its facts taken from the catalogue.
std::vector<ShowSlide> ProductShowSlides();

// Where a slide is drawn on a screen of `screen` size, `ms` into the show:
// the picture, then the title, the rule under it and the fact lines, each
// with the room its wrapped text takes. The whole slide drifts inside the
// margins of the screen and never beyond them.
struct SlideLayout {
    QFont TitleFont;
    QFont FactFont;
    QRect Picture;
    QRect Title;
    QRect Rule;
    std::vector<QRect> Facts;
    QRect Bounds() const;  // everything drawn
};
SlideLayout LayOutSlide(const ShowSlide& slide, const QSize& screen, qint64 ms);

// The part of the screen that slides may use: inside the margins and clear
// of the name at the top and the note at the bottom.
QRect SlideStage(const QSize& screen);

class ProductShow : public QWidget {
    Q_OBJECT
public:
    // `messageName` is the named message sent when the show ends.
    explicit ProductShow(const QString& messageName, QWidget* parent = nullptr);

    // Ends the show: sends the message once and emits finished().
    void Finish();

signals:
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void PaintSlide(QPainter& painter, const ShowSlide& slide, qreal opacity, qint64 ms);
    void PaintFrame(QPainter& painter);

    QString messageName_;
    std::vector<ShowSlide> slides_;
    QTimer frameTimer_;
    QElapsedTimer clock_;
    QPoint firstMousePos_;
    bool mouseSeen_ = false;
    bool finished_ = false;
};

}  // namespace zorvik
