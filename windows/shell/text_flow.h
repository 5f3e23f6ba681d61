#pragma once
// One text continued across two text fields, the second below the first
// and wider (the first shares its rows with a picture).

class QTextEdit;

namespace zorvik {

// Moves the split between `first` and `second` so that the first holds the
// whole lines that end where the second's first line starts, and the
// second the rest: the text reads on without a hole, whatever the font's
// line height. The first field's text is lowered by what is left over.
void FlowText(QTextEdit& first, QTextEdit& second);

}  // namespace zorvik
