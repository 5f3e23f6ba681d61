#include "graph/chart_labels.h"

#include <algorithm>

#include "core/shared_state.h"

namespace zorvik {
namespace {

int HalfWidth(const Canvas& canvas, const QString& text) { return canvas.TextWidth(text) / 2; }

}  // namespace

QRect BalloonBox(QPoint p) { return QRect(QPoint(p.x() - 21, p.y() - 21), QPoint(p.x() + 20, p.y() - 1)); }

void DrawBalloon(Canvas& canvas, int x, int y, const QString& text) {
    const int w2 = HalfWidth(canvas, text);
    canvas.SetBrushColor(colors::White);
    canvas.Ellipse(x - 21, y - 21, x + 21, y);
    canvas.SetFontColor(colors::Black);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.TextOut(x - w2, y - 19, text);
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.MoveTo(x, y);
}

QRect AirUseTagBox(const Canvas& canvas, int x, int y, const QString& text, const std::vector<QRect>& keepClear) {
    const int w2 = HalfWidth(canvas, text);
    const bool singleActing = Shared.CurrentPump.ActionCode == "SA";
    const int tx = singleActing ? x : x + 3 + w2;
    int ty = singleActing ? y - 10 : y;
    // Balloons are taken lowest first, so a tag lifted over one is checked
    // against those above it too.
    std::vector<QRect> clear = keepClear;
    std::sort(clear.begin(), clear.end(), [](const QRect& a, const QRect& b) { return a.top() > b.top(); });
    const auto tagBox = [&] { return QRect(QPoint(tx - w2 - 3, ty - 18), QPoint(tx + w2 + 2, ty)); };
    for (const QRect& box : clear)
        if (tagBox().intersects(box)) ty = box.top() - 2;
    return tagBox();
}

void DrawAirUseTag(Canvas& canvas, int x, int y, const QString& text, const std::vector<QRect>& keepClear) {
    const QRect box = AirUseTagBox(canvas, x, y, text, keepClear);
    const int tx = box.left() + HalfWidth(canvas, text) + 3;
    const int ty = box.bottom();
    canvas.MoveTo(x, y);
    canvas.LineTo(tx, ty);
    canvas.SetBrushColor(colors::White);
    canvas.Rectangle(box.left(), box.top(), box.right() + 1, box.bottom() + 1);
    canvas.SetFontColor(colors::Black);
    canvas.TextOut(box.left() + 3, ty - 16, text);
    canvas.MoveTo(tx, ty);
    canvas.LineTo(x, y);
}

QRect LineLabelBox(const Canvas& canvas, int x, int y, const QString& text) {
    const int w2 = HalfWidth(canvas, text);
    return {QPoint(x - w2 - 3, y + 3 - 18), QPoint(x + w2 + 2, y + 3)};
}

void DrawLineLabel(Canvas& canvas, int x, int y, const QString& text) {
    const QRect box = LineLabelBox(canvas, x, y, text);
    canvas.MoveTo(x, box.bottom());
    canvas.SetBrushColor(colors::White);
    canvas.Rectangle(box.left(), box.top(), box.right() + 1, box.bottom() + 1);
    canvas.SetFontColor(colors::Black);
    canvas.TextOut(box.left() + 3, box.top() + 2, text);
}

}  // namespace zorvik
