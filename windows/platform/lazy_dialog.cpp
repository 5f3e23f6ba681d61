#include "lazy_dialog.h"

#include <QEvent>

namespace zorvik {

LazyDialog::LazyDialog(QWidget* parent) : QDialog(parent) {}

// Marked built before building: Build() reaches its own controls through the
// LazyUi, which must not start a second build.
void LazyDialog::EnsureBuilt() {
    if (built_) return;
    built_ = true;
    Build();
}

void LazyDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && built_) Retranslate();
}

void LazyDialog::setVisible(bool visible) {
    if (visible) EnsureBuilt();
    QDialog::setVisible(visible);
}

}  // namespace zorvik
