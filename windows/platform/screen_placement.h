#pragma once

class QWidget;

namespace zorvik {

// Puts a top-level window in the middle of the screen it is on.
void CentreOnScreen(QWidget& window);

}  // namespace zorvik
