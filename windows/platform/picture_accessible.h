#pragma once
// Pictures as assistive technology and the keyboard meet them: an image (a
// screen reader says so), named and described by the window that shows it,
// and - where the window lets the keyboard reach it - worked with Enter or
// Space like a button. Registered once by the first picture made.

class QKeyEvent;

namespace zorvik {

void RegisterPictureAccessibility();

// Enter, Return or Space: the keys that work a picture.
bool IsActivationKey(const QKeyEvent& event);

}  // namespace zorvik
