#include "graph/chart_labels.h"

#include "core/shared_state.h"

namespace zorvik {
namespace {

int HalfWidth(const Canvas& canvas, const QString& text) { return canvas.TextWidth(text) / 2; }

}  // namespace

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

void DrawAirUseTag(Canvas& canvas, int x, int y, const QString& text) {
    const int w2 = HalfWidth(canvas, text);
    const bool singleActing = Shared.CurrentPump.ActionCode == "SA";
    const int tx = singleActing ? x : x + 3 + w2;
    const int ty = singleActing ? y - 10 : y;
    canvas.MoveTo(x, y);
    canvas.LineTo(tx, ty);
    canvas.SetBrushColor(colors::White);
    canvas.Rectangle(tx - w2 - 3, ty - 18, tx + w2 + 3, ty + 1);
    canvas.SetFontColor(colors::Black);
    canvas.TextOut(tx - w2, ty - 16, text);
    canvas.MoveTo(tx, ty);
    canvas.LineTo(x, y);
}

void DrawLineLabel(Canvas& canvas, int x, int y, const QString& text) {
    const int w2 = HalfWidth(canvas, text);
    const int ty = y + 3;
    canvas.MoveTo(x, ty);
    canvas.SetBrushColor(colors::White);
    canvas.Rectangle(x - w2 - 3, ty - 18, x + w2 + 3, ty + 1);
    canvas.SetFontColor(colors::Black);
    canvas.TextOut(x - w2, ty - 16, text);
}

}  // namespace zorvik
