#include "canvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPen>
#include <QPolygon>
#include <cmath>

namespace zorvik {

int PointsToPixels(int points, int dpi) {
    return static_cast<int>(std::lround(points * static_cast<double>(dpi) / 72.0));
}

Canvas::Canvas(QImage& image) : image_(&image), width_(image.width()), height_(image.height()), dpi_(96) {
    painter_.begin(&image);
    SetFont("arial", 10);
}

Canvas::Canvas(QPaintDevice& device, int dpi) : width_(device.width()), height_(device.height()), dpi_(dpi) {
    painter_.begin(&device);
    // Pictures on a page are line drawings and charts: a PDF would otherwise
    // store them as JPEG, which blurs every line and figure.
    painter_.setRenderHint(QPainter::LosslessImageRendering);
    SetFont("arial", 10);
}

Canvas::~Canvas() {
    if (painter_.isActive()) painter_.end();
}

void Canvas::ApplyPen() {
    // Width 1 is the cosmetic one-pixel pen; the flat cap leaves the end
    // point of a line unpainted.
    QPen pen(penColor_, penWidth_ <= 1 ? 0 : penWidth_);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setStyle(penStyle_ == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    painter_.setPen(pen);
}

void Canvas::SetPenColor(const QColor& color) { penColor_ = color; }
void Canvas::SetPenWidth(int width) { penWidth_ = width < 1 ? 1 : width; }
void Canvas::SetPenStyle(PenStyle style) { penStyle_ = style; }

void Canvas::MoveTo(int x, int y) { penPos_ = QPoint(x, y); }

void Canvas::LineTo(int x, int y) {
    ApplyPen();
    painter_.drawLine(penPos_, QPoint(x, y));
    penPos_ = QPoint(x, y);
}

void Canvas::SetBrushColor(const QColor& color) { brushColor_ = color; }
void Canvas::SetBrushStyle(BrushStyle style) { brushStyle_ = style; }

void Canvas::Rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    FillRect(left, top, right, bottom);
    ApplyPen();
    painter_.setBrush(Qt::NoBrush);
    if (right - left == 1 || bottom - top == 1) {
        painter_.drawLine(left, top, right - 1, bottom - 1);
        return;
    }
    painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void Canvas::FillRect(int left, int top, int right, int bottom) {
    if (brushStyle_ == BrushStyle::Clear || right <= left || bottom <= top) return;
    painter_.fillRect(QRect(left, top, right - left, bottom - top), brushColor_);
}

void Canvas::FrameRect(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    const QColor c = brushColor_;
    painter_.fillRect(QRect(left, top, right - left, 1), c);
    painter_.fillRect(QRect(left, bottom - 1, right - left, 1), c);
    painter_.fillRect(QRect(left, top, 1, bottom - top), c);
    painter_.fillRect(QRect(right - 1, top, 1, bottom - top), c);
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    ApplyPen();
    painter_.setBrush(brushStyle_ == BrushStyle::Solid ? QBrush(brushColor_) : QBrush(Qt::NoBrush));
    painter_.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    painter_.setBrush(Qt::NoBrush);
}

void Canvas::Polygon(const std::vector<QPoint>& points) {
    if (points.empty()) return;
    ApplyPen();
    painter_.setBrush(brushStyle_ == BrushStyle::Solid ? QBrush(brushColor_) : QBrush(Qt::NoBrush));
    painter_.drawPolygon(QPolygon(QList<QPoint>(points.begin(), points.end())));
    painter_.setBrush(Qt::NoBrush);
}

void Canvas::ApplyFont() {
    font_.setPixelSize(std::max(1, PointsToPixels(fontPoints_, dpi_)));
    painter_.setFont(font_);
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
    const QFontMetrics metrics(font_, painter_.device());
    const int width = metrics.horizontalAdvance(text);
    if (brushStyle_ == BrushStyle::Solid) painter_.fillRect(QRect(x, y, width, metrics.height()), brushColor_);
    painter_.setPen(fontColor_);
    painter_.drawText(x, y + metrics.ascent(), text);
    penPos_ = QPoint(x + width, y);
}

int Canvas::TextWidth(const QString& text) const {
    return QFontMetrics(font_, painter_.device()).horizontalAdvance(text);
}

int Canvas::TextHeight(const QString&) const { return QFontMetrics(font_, painter_.device()).height(); }

QColor Canvas::Pixel(int x, int y) const {
    if (image_ == nullptr || !image_->valid(x, y)) return colors::White;
    return QColor(image_->pixel(x, y));
}

void Canvas::Draw(int x, int y, const QImage& picture) { painter_.drawImage(QPoint(x, y), picture); }

void Canvas::StretchDraw(int left, int top, int right, int bottom, const QImage& picture) {
    painter_.drawImage(QRect(left, top, right - left, bottom - top), picture);
}

}  // namespace zorvik
