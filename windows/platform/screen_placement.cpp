#include "screen_placement.h"

#include <QScreen>
#include <QWidget>

namespace zorvik {

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) return;
    window.move(screen->availableGeometry().center() - window.frameGeometry().center() + window.pos());
}

}  // namespace zorvik
