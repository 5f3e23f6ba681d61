#include "chart_labels.h"

#include <algorithm>

namespace zorvik {
namespace {

int HalfWidth(const Canvas& canvas, const QString& text) { return canvas.TextWidth(text) / 2; }

}  // namespace

bool TooClose(const QRect& a, const QRect& b) {
    return a.adjusted(-LabelClearance, -LabelClearance, LabelClearance, LabelClearance).intersects(b);
}

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

namespace {

// The box moved up above each of `keepClear` it comes too close to, the
// lowest first, so that a box lifted over one is checked against those above
// it too.
QRect LiftedClear(QRect box, std::vector<QRect> keepClear) {
    std::sort(keepClear.begin(), keepClear.end(), [](const QRect& a, const QRect& b) { return a.top() > b.top(); });
    for (const QRect& other : keepClear)
        if (TooClose(box, other)) box.moveBottom(other.top() - 1 - LabelClearance);
    return box;
}

// The same downwards, the highest first.
QRect LoweredClear(QRect box, std::vector<QRect> keepClear) {
    std::sort(keepClear.begin(), keepClear.end(), [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
    for (const QRect& other : keepClear)
        if (TooClose(box, other)) box.moveTop(other.bottom() + 1 + LabelClearance);
    return box;
}

bool Within(const QRect& box, const QRect& area) { return area.isNull() || area.contains(box); }

}  // namespace

QRect AirUseTagBox(const Canvas& canvas, int x, int y, const QString& text, bool above,
                   const std::vector<QRect>& keepClear, const QRect& area) {
    const int w2 = HalfWidth(canvas, text);
    const auto boxAt = [&](int tx, int ty) { return QRect(QPoint(tx - w2 - 3, ty - 18), QPoint(tx + w2 + 2, ty)); };
    QRect box = above ? boxAt(x, y - 10) : boxAt(x + 3 + w2, y);
    if (!area.isNull() && box.right() > area.right()) box = boxAt(x - 3 - w2 - 1, y);
    if (!area.isNull() && box.top() < area.top()) box.moveTop(area.top());
    const QRect lifted = LiftedClear(box, keepClear);
    if (Within(lifted, area)) return lifted;
    const QRect lowered = LoweredClear(box, keepClear);
    return Within(lowered, area) ? lowered : lifted;
}

QRect DrawAirUseTag(Canvas& canvas, int x, int y, const QString& text, bool above, const std::vector<QRect>& keepClear,
                    const QRect& area) {
    const QRect box = AirUseTagBox(canvas, x, y, text, above, keepClear, area);
    const int tx = box.left() + HalfWidth(canvas, text) + 3;
    // The leader meets the box on the side that faces the point.
    const int ty = box.bottom() <= y ? box.bottom() : box.top();
    canvas.MoveTo(x, y);
    canvas.LineTo(tx, ty);
    canvas.SetBrushColor(colors::White);
    canvas.Rectangle(box.left(), box.top(), box.right() + 1, box.bottom() + 1);
    canvas.SetFontColor(colors::Black);
    canvas.TextOut(box.left() + 3, box.bottom() - 16, text);
    canvas.MoveTo(tx, ty);
    canvas.LineTo(x, y);
    return box;
}

QRect LineLabelBox(const Canvas& canvas, int x, int y, const QString& text, const std::vector<QRect>& keepClear) {
    const int w2 = HalfWidth(canvas, text);
    return LiftedClear(QRect(QPoint(x - w2 - 3, y + 3 - 18), QPoint(x + w2 + 2, y + 3)), keepClear);
}

QRect DrawLineLabel(Canvas& canvas, int x, int y, const QString& text, const std::vector<QRect>& keepClear) {
    const QRect box = LineLabelBox(canvas, x, y, text, keepClear);
    if (box.bottom() < y) {
        canvas.MoveTo(x, y);
        canvas.LineTo(x, box.bottom());
    }
    canvas.MoveTo(x, box.bottom());
    canvas.SetBrushColor(colors::White);
    canvas.Rectangle(box.left(), box.top(), box.right() + 1, box.bottom() + 1);
    canvas.SetFontColor(colors::Black);
    canvas.TextOut(box.left() + 3, box.top() + 2, text);
    return box;
}

}  // namespace zorvik
