#pragma once
// A raster drawing surface with the rules the program's drawings are laid
// out by: coordinates in whole device pixels, y downwards; a pen with a
// current position; line ends, and the right and bottom edges of rectangles
// and ellipses, are not painted; text is placed by its top-left corner and is
// drawn on the brush colour while the brush is solid, transparently while it
// is clear. Font sizes are points at the surface's resolution (96 dpi for
// pictures, so 12 pt is 16 px).
//
// The same routines draw onto a picture, onto a printer page and into a
// file: they only ever see a Canvas. A picture is always laid out in its own
// pixels; drawn at scale 1 on an image it is pixel-exact, drawn larger or as
// vectors (a 2x image, a PDF, an SVG, a rectangle of a printer page) its
// lines, curves and text are antialiased and every pixel rule holds in
// picture pixels.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "text.h"

class QPaintDevice;

namespace zorvik {

enum class PenStyle { Solid, Dotted };
enum class BrushStyle { Solid, Clear };

namespace colors {
inline const QColor Black(0, 0, 0);
inline const QColor White(255, 255, 255);
inline const QColor Blue(0, 0, 255);
inline const QColor Red(255, 0, 0);
inline const QColor Magenta(255, 0, 255);
inline const QColor Silver(192, 192, 192);
inline const QColor Olive(128, 128, 0);
inline const QColor Purple(128, 0, 128);
inline const QColor Green(0, 128, 0);
inline const QColor Maroon(128, 0, 0);
inline const QColor Navy(0, 0, 128);
inline const QColor Yellow(255, 255, 0);
inline const QColor Grey(128, 128, 128);
}  // namespace colors

class Canvas;

// A whole picture, drawn on whatever canvas it is given: kept by a window so
// that it can draw its picture again at another scale, on paper or into a
// file.
using PictureDrawing = std::function<void(Canvas&)>;

class Canvas {
public:
    // Draws into a picture at 96 dpi. An image with a device pixel ratio
    // above 1 is drawn at that scale in picture pixels (its width divided by
    // the ratio).
    explicit Canvas(QImage& image);
    // Draws onto a printer page or another device; fonts are sized for dpi.
    Canvas(QPaintDevice& device, int dpi);
    // Draws a picture of `size` picture pixels as vectors with a painter that
    // is already drawing (on an SVG, a PDF or a page), in the painter's
    // current coordinates.
    Canvas(QPainter& painter, QSize size);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // False when the device could not be opened for drawing (a printer whose
    // file cannot be written, say); drawing then does nothing.
    bool IsActive() const { return painter_->isActive(); }
    // Ends the drawing on a device this canvas opened: false when the device
    // could not finish it (a printer that could not complete the job).
    bool End();
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Dpi() const { return dpi_; }

    // Pen.
    void SetPenColor(const QColor& color);
    void SetPenWidth(int width);
    void SetPenStyle(PenStyle style);
    QColor PenColor() const { return penColor_; }
    int PenWidth() const { return penWidth_; }
    PenStyle PenStyleNow() const { return penStyle_; }
    QPoint PenPos() const { return penPos_; }
    void MoveTo(int x, int y);
    // A line from the pen position to (x, y), the end point not painted; the
    // pen moves there.
    void LineTo(int x, int y);

    // Brush.
    void SetBrushColor(const QColor& color);
    void SetBrushStyle(BrushStyle style);
    QColor BrushColor() const { return brushColor_; }
    BrushStyle BrushStyleNow() const { return brushStyle_; }

    // Shapes, given by (left, top)-(right, bottom) with right and bottom
    // outside the shape.
    void Rectangle(int left, int top, int right, int bottom);  // pen outline, brush inside
    void FillRect(int left, int top, int right, int bottom);   // brush only
    void FrameRect(int left, int top, int right, int bottom);  // 1-pixel border in the brush colour
    void Ellipse(int left, int top, int right, int bottom);
    void Polygon(const std::vector<QPoint>& points);  // pen outline, brush inside

    // Font.
    void SetFontName(const QString& name);
    void SetFontSize(int points);
    void SetFontBold(bool on);
    void SetFontItalic(bool on);
    void SetFontUnderline(bool on);
    void SetFontColor(const QColor& color);
    void SetFont(const QString& name, int points, bool bold = false, bool italic = false, bool underline = false);
    int FontSize() const { return fontPoints_; }
    QColor FontColor() const { return fontColor_; }
    QFont CurrentFont() const { return font_; }

    // Text with its top-left corner at (x, y); the pen moves to the end of it.
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;

    // The colour of a pixel; white outside the surface or on a device that
    // cannot be read back (a printer).
    QColor Pixel(int x, int y) const;

    // A stored picture, unscaled, with its top-left corner at (x, y).
    void Draw(int x, int y, const QImage& picture);
    // The program's artwork `name`, `size` picture pixels with its top-left
    // corner at (x, y), on a white ground of its own or straight onto what is
    // there: the stored picture at scale 1 on an image, the drawing's own
    // vectors at any other scale.
    void DrawArtwork(int x, int y, QSize size, const QString& name, bool onWhite = true);
    // Another picture of `size` picture pixels stretched into `target`
    // (device coordinates of this canvas), drawn afresh as vectors.
    void DrawPicture(const QRectF& target, QSize size, const PictureDrawing& draw);

    // The painter itself, for a picture laid out in its own coordinates
    // (the saturation chart) rather than in the drawings' pixel rules.
    QPainter& Painter() { return *painter_; }

    // The language of the picture's words, which its drawing code passes
    // (a window the desktop's, the command line its --language): English
    // until set. A picture drawn within this one speaks the same.
    void SetTranslator(const Translator* translator) { translator_ = translator; }
    const Translator* Language() const { return translator_; }
    // A text of the picture in that language.
    QString Say(const Text& text) const;

private:
    void Smooth();
    void Fill(const QRect& area);
    void Line(QPoint from, QPoint to);
    void ApplyPen();
    void ApplyFont();
    QPointF Centre(QPoint p) const;
    QPaintDevice* MetricsDevice() const;
    template <class Op>
    void Mirror(Op op);

    QPainter ownPainter_;
    QPainter* painter_ = &ownPainter_;
    const QImage* image_ = nullptr;
    // A picture drawn at another scale than 1 is drawn at scale 1 here too,
    // so that Pixel() reads what the pixel-exact picture holds and every
    // scale takes the same decisions.
    QImage exactImage_;
    std::unique_ptr<Canvas> exact_;
    bool smooth_ = false;
    bool pageMetrics_ = false;
    int width_ = 0;
    int height_ = 0;
    int dpi_ = 96;

    QColor penColor_ = colors::Black;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    QPoint penPos_;
    QColor brushColor_ = colors::White;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    QFont font_;
    int fontPoints_ = 10;
    QColor fontColor_ = colors::Black;
    const Translator* translator_ = nullptr;
};

// `draw` on a canvas that speaks `reader`'s language.
PictureDrawing Speaking(const Translator* reader, PictureDrawing draw);

// Points to device pixels the way the drawings expect: 12 pt at 96 dpi is
// 16 px (rounded to the nearest pixel).
int PointsToPixels(int points, int dpi);

}  // namespace zorvik
