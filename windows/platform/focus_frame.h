#pragma once
// Where the keys go is always seen. A custom control draws a frame around
// itself while it has the focus: two pixels in the palette's highlight
// colour, inside its edges, over whatever it shows (a white picture hides a
// style's own dotted frame). Push buttons and framed lists get the same
// kind of mark from the program's style: a style may show the default
// button of a dialog just as it shows the focused one, and a list without a
// current row nothing at all.

class QPainter;
class QWidget;

namespace zorvik {

void DrawFocusFrame(QPainter& painter, const QWidget& widget);

// Puts the program's style, the platform's own with those marks, in place
// for the whole application; once.
void UseFocusFrameStyle();

}  // namespace zorvik
