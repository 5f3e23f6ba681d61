#include "lazy_dialog.h"

namespace zorvik {

LazyDialog::LazyDialog(QWidget* parent) : QDialog(parent) {}

// Marked built before building: Build() reaches its own controls through the
// LazyUi, which must not start a second build.
void LazyDialog::EnsureBuilt() {
    if (built_) return;
    built_ = true;
    Build();
}

void LazyDialog::setVisible(bool visible) {
    if (visible) EnsureBuilt();
    QDialog::setVisible(visible);
}

}  // namespace zorvik
