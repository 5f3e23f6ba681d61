#pragma once
// Texts from outside (an office file written by hand) can be of any length;
// a printed line must still end on the page.

#include <QString>

#include "text.h"

namespace zorvik {

class Canvas;

// `text` as it fits `width` pixels in the canvas's current font: whole when
// it fits, else cut after the last whole character that leaves room for
// "…" (a character of several code points, an accented letter or an emoji,
// is never split).
QString FitText(const Canvas& canvas, const QString& text, int width);

// Draws `before` + `name` + `after` at (x, y) within `width` pixels,
// shortening only `name`: "Please contact <company> if you require
// assistance." keeps its words around a long company name.
void TextOutFitted(Canvas& canvas, int x, int y, int width, const QString& before, const QString& name,
                   const QString& after = {});

// "Please contact <company> if you require assistance." in the reader's
// language, the line every printout closes with.
QString ContactText(const QString& company, const Translator* reader);

// The same line drawn by TextOutFitted, shortening only the company's name.
void TextOutContact(Canvas& canvas, int x, int y, int width, const QString& company);

}  // namespace zorvik
