#include "canvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPen>
#include <QPolygon>
#include <cmath>

#include "artwork.h"
#include "language.h"

namespace zorvik {
namespace {

// Texts of a picture are measured at 96 dpi whatever the device, so that a
// label stands where it stands on the screen on every page and in every file.
QPaintDevice* PictureMetricsDevice() {
    static QImage reference(1, 1, QImage::Format_RGB32);
    return &reference;
}

}  // namespace

int PointsToPixels(int points, int dpi) {
    return static_cast<int>(std::lround(points * static_cast<double>(dpi) / 72.0));
}

Canvas::Canvas(QImage& image)
    : image_(&image),
      width_(qRound(image.deviceIndependentSize().width())),
      height_(qRound(image.deviceIndependentSize().height())),
      dpi_(96) {
    ownPainter_.begin(&image);
    if (image.devicePixelRatio() != 1.0) Smooth();
    SetFont("arial", 10);
}

Canvas::Canvas(QPaintDevice& device, int dpi) : width_(device.width()), height_(device.height()), dpi_(dpi) {
    pageMetrics_ = true;
    ownPainter_.begin(&device);
    // Pictures on a page are line drawings and charts: a PDF would otherwise
    // store them as JPEG, which blurs every line and figure.
    ownPainter_.setRenderHint(QPainter::LosslessImageRendering);
    SetFont("arial", 10);
}

Canvas::Canvas(QPainter& painter, QSize size) : painter_(&painter), width_(size.width()), height_(size.height()) {
    painter_->save();
    Smooth();
    SetFont("arial", 10);
}

PictureDrawing Speaking(const Translator* reader, PictureDrawing draw) {
    return [reader, draw = std::move(draw)](Canvas& canvas) {
        canvas.SetTranslator(reader);
        draw(canvas);
    };
}

QString Canvas::Say(const Text& text) const { return texts::Said(text, translator_); }

Canvas::~Canvas() {
    if (painter_ != &ownPainter_)
        painter_->restore();
    else if (ownPainter_.isActive())
        ownPainter_.end();
}

bool Canvas::End() { return painter_ == &ownPainter_ && ownPainter_.isActive() && ownPainter_.end(); }

void Canvas::Smooth() {
    smooth_ = true;
    painter_->setRenderHint(QPainter::Antialiasing);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform);
    exactImage_ = QImage(width_, height_, QImage::Format_RGB32);
    exactImage_.fill(Qt::white);
    exact_ = std::make_unique<Canvas>(exactImage_);
}

template <class Op>
void Canvas::Mirror(Op op) {
    if (!exact_) return;
    Canvas& e = *exact_;
    e.penColor_ = penColor_;
    e.penWidth_ = penWidth_;
    e.penStyle_ = penStyle_;
    e.penPos_ = penPos_;
    e.brushColor_ = brushColor_;
    e.brushStyle_ = brushStyle_;
    e.font_ = font_;
    e.fontPoints_ = fontPoints_;
    e.fontColor_ = fontColor_;
    e.ApplyFont();
    op(e);
}

QPaintDevice* Canvas::MetricsDevice() const { return pageMetrics_ ? painter_->device() : PictureMetricsDevice(); }

// The centre of a picture pixel: smooth lines of odd width run through it,
// so that they cover the pixels the pixel-exact picture paints.
QPointF Canvas::Centre(QPoint p) const {
    const qreal half = penWidth_ % 2 == 1 ? 0.5 : 0.0;
    return QPointF(p) + QPointF(half, half);
}

void Canvas::ApplyPen() {
    // Width 1 is the cosmetic one-pixel pen of the pixel-exact picture; the
    // flat cap leaves the end point of a line unpainted.
    const bool cosmetic = penWidth_ <= 1 && !smooth_;
    QPen pen(penColor_, cosmetic ? 0 : penWidth_);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setStyle(penStyle_ == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    painter_->setPen(pen);
}

void Canvas::SetPenColor(const QColor& color) { penColor_ = color; }
void Canvas::SetPenWidth(int width) { penWidth_ = width < 1 ? 1 : width; }
void Canvas::SetPenStyle(PenStyle style) { penStyle_ = style; }

void Canvas::MoveTo(int x, int y) { penPos_ = QPoint(x, y); }

void Canvas::LineTo(int x, int y) {
    Mirror([&](Canvas& e) { e.LineTo(x, y); });
    ApplyPen();
    Line(penPos_, QPoint(x, y));
    penPos_ = QPoint(x, y);
}

void Canvas::Line(QPoint from, QPoint to) {
    if (!smooth_) {
        painter_->drawLine(from, to);
        return;
    }
    if (from == to) return;
    // A pixel-exact line covers the pixels from its lower end up to, not
    // including, its higher one, in either direction; the smooth line runs
    // through the pixel centres across its length and from end to end along
    // it, so that it covers the same ones.
    const QPointF d = QPointF(to - from);
    const qreal length = std::hypot(d.x(), d.y());
    const QPointF along(std::abs(d.x()) / length, std::abs(d.y()) / length);
    const QPointF shift = Centre(QPoint(0, 0)) - along * (Centre(QPoint(0, 0)).x());
    painter_->drawLine(QPointF(from) + shift, QPointF(to) + shift);
}

void Canvas::SetBrushColor(const QColor& color) { brushColor_ = color; }
void Canvas::SetBrushStyle(BrushStyle style) { brushStyle_ = style; }

void Canvas::Rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    Mirror([&](Canvas& e) { e.Rectangle(left, top, right, bottom); });
    Fill(QRect(left, top, right - left, bottom - top));
    ApplyPen();
    painter_->setBrush(Qt::NoBrush);
    if (right - left == 1 || bottom - top == 1) {
        Line(QPoint(left, top), QPoint(right - 1, bottom - 1));
        return;
    }
    if (smooth_)
        painter_->drawRect(QRectF(Centre({left, top}), QSizeF(right - left - 1, bottom - top - 1)));
    else
        painter_->drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void Canvas::FillRect(int left, int top, int right, int bottom) {
    if (brushStyle_ == BrushStyle::Clear || right <= left || bottom <= top) return;
    Mirror([&](Canvas& e) { e.FillRect(left, top, right, bottom); });
    Fill(QRect(left, top, right - left, bottom - top));
}

void Canvas::Fill(const QRect& area) {
    if (brushStyle_ == BrushStyle::Solid) painter_->fillRect(area, brushColor_);
}

void Canvas::FrameRect(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    Mirror([&](Canvas& e) { e.FrameRect(left, top, right, bottom); });
    const QColor c = brushColor_;
    painter_->fillRect(QRect(left, top, right - left, 1), c);
    painter_->fillRect(QRect(left, bottom - 1, right - left, 1), c);
    painter_->fillRect(QRect(left, top, 1, bottom - top), c);
    painter_->fillRect(QRect(right - 1, top, 1, bottom - top), c);
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    Mirror([&](Canvas& e) { e.Ellipse(left, top, right, bottom); });
    ApplyPen();
    painter_->setBrush(brushStyle_ == BrushStyle::Solid ? QBrush(brushColor_) : QBrush(Qt::NoBrush));
    if (smooth_)
        painter_->drawEllipse(QRectF(Centre({left, top}), QSizeF(right - left - 1, bottom - top - 1)));
    else
        painter_->drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    painter_->setBrush(Qt::NoBrush);
}

void Canvas::Polygon(const std::vector<QPoint>& points) {
    if (points.empty()) return;
    Mirror([&](Canvas& e) { e.Polygon(points); });
    ApplyPen();
    painter_->setBrush(brushStyle_ == BrushStyle::Solid ? QBrush(brushColor_) : QBrush(Qt::NoBrush));
    if (smooth_) {
        QPolygonF polygon;
        for (const QPoint& p : points) polygon << Centre(p);
        painter_->drawPolygon(polygon);
    } else {
        painter_->drawPolygon(QPolygon(QList<QPoint>(points.begin(), points.end())));
    }
    painter_->setBrush(Qt::NoBrush);
}

void Canvas::ApplyFont() {
    font_.setPixelSize(std::max(1, PointsToPixels(fontPoints_, dpi_)));
    painter_->setFont(font_);
}

void Canvas::SetFontName(const QString& name) {
    font_.setFamily(name);
    ApplyFont();
}

void Canvas::SetFontSize(int points) {
    fontPoints_ = points;
    ApplyFont();
}

void Canvas::SetFontBold(bool on) {
    font_.setBold(on);
    ApplyFont();
}

void Canvas::SetFontItalic(bool on) {
    font_.setItalic(on);
    ApplyFont();
}

void Canvas::SetFontUnderline(bool on) {
    font_.setUnderline(on);
    ApplyFont();
}

void Canvas::SetFontColor(const QColor& color) { fontColor_ = color; }

void Canvas::SetFont(const QString& name, int points, bool bold, bool italic, bool underline) {
    font_ = QFont(name);
    font_.setBold(bold);
    font_.setItalic(italic);
    font_.setUnderline(underline);
    fontPoints_ = points;
    ApplyFont();
}

void Canvas::TextOut(int x, int y, const QString& text) {
    Mirror([&](Canvas& e) { e.TextOut(x, y, text); });
    const QFontMetrics metrics(font_, MetricsDevice());
    const int width = metrics.horizontalAdvance(text);
    // An empty text leaves no ground: on a page a rectangle of no width
    // would still show as a hairline.
    if (width > 0) Fill(QRect(x, y, width, metrics.height()));
    painter_->setPen(fontColor_);
    painter_->drawText(x, y + metrics.ascent(), text);
    penPos_ = QPoint(x + width, y);
}

int Canvas::TextWidth(const QString& text) const {
    return QFontMetrics(font_, MetricsDevice()).horizontalAdvance(text);
}

int Canvas::TextHeight(const QString&) const { return QFontMetrics(font_, MetricsDevice()).height(); }

QColor Canvas::Pixel(int x, int y) const {
    if (exact_) return exact_->Pixel(x, y);
    if (image_ == nullptr || !image_->valid(x, y)) return colors::White;
    return QColor(image_->pixel(x, y));
}

void Canvas::Draw(int x, int y, const QImage& picture) {
    Mirror([&](Canvas& e) { e.Draw(x, y, picture); });
    painter_->drawImage(QPoint(x, y), picture);
}

void Canvas::DrawArtwork(int x, int y, QSize size, const QString& name, bool onWhite) {
    Mirror([&](Canvas& e) { e.DrawArtwork(x, y, size, name, onWhite); });
    if (!smooth_) {
        painter_->drawImage(QPoint(x, y), onWhite ? ArtworkOnWhite(name, size) : Artwork(name, size));
        return;
    }
    const QRect area(QPoint(x, y), size);
    if (onWhite) painter_->fillRect(area, Qt::white);
    RenderArtworkOn(*painter_, name, area);
}

void Canvas::DrawPicture(const QRectF& target, QSize size, const PictureDrawing& draw) {
    painter_->save();
    painter_->setClipRect(target);
    painter_->translate(target.topLeft());
    painter_->scale(target.width() / size.width(), target.height() / size.height());
    {
        Canvas picture(*painter_, size);
        picture.SetTranslator(translator_);
        draw(picture);
    }
    painter_->restore();
}

}  // namespace zorvik
