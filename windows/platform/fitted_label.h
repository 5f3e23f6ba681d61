#pragma once
// A word-wrapped label of fixed size that shows a text of any length: the
// text is set a little smaller until it fits, down to a smallest size, and
// is cut at a word with an ellipsis below that, the whole text then being
// its tool tip. Nothing is ever clipped in the middle of a line.

#include <QString>

class QLabel;

namespace zorvik {

inline constexpr int SmallestFittedPixels = 11;

// Shows `text` in `label` in the label's window's font or smaller.
void SetFittedText(QLabel& label, const QString& text);

}  // namespace zorvik
