#include "print_page.h"

#include <QPageLayout>
#include <QPagedPaintDevice>

namespace zorvik {

PrintPage::PrintPage(QPagedPaintDevice& device, bool portrait) {
    device.setPageOrientation(portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    canvas_ = std::make_unique<Canvas>(device, device.logicalDpiX());
}

// A page dropped without End() is still ended, so the device is never left
// open; a derived page has already ended its own in its destructor.
PrintPage::~PrintPage() {
    if (canvas_) canvas_->End();
}

PrintResult PrintPage::End() {
    if (!canvas_) return PrintResult::NotStarted;
    const bool ended = canvas_->End();
    canvas_.reset();
    return ended && HandedOver() ? PrintResult::Printed : PrintResult::NotHandedOver;
}

}  // namespace zorvik
