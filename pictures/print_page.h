#pragma once
// One-page printouts over any paged device: a printer or a PDF file. Every
// print command is two steps: ask the print dialog, then draw onto the
// printer it gave; the command line and the tests hand the second step a PDF
// file instead.

#include <QString>
#include <memory>

#include "canvas.h"

class QPagedPaintDevice;

namespace zorvik {

// How a print went: the page printed and handed to the printing system, no
// page because the printer could not be started, or a page drawn that the
// printer could not finish or hand over.
enum class PrintResult { Printed, NotStarted, NotHandedOver };

// A single printed page: the document starts when the page is made and ends
// with End() (or when the page goes away). Coordinates are device pixels.
class PrintPage {
public:
    explicit PrintPage(QPagedPaintDevice& device, bool portrait = true);
    virtual ~PrintPage();
    PrintPage(const PrintPage&) = delete;
    PrintPage& operator=(const PrintPage&) = delete;

    bool IsOpen() const { return canvas_ != nullptr && canvas_->IsActive(); }
    Canvas& Page() { return *canvas_; }
    int Width() const { return canvas_->Width(); }
    int Height() const { return canvas_->Height(); }
    // The device's resolution in pixels per inch.
    int PixelsPerInch() const { return canvas_->Dpi(); }
    // Ends the page: Printed only when the painter ended it and the device
    // took the page.
    PrintResult End();

protected:
    // Whether the device took the page once the painter ended it; a printer
    // tells from its state.
    virtual bool HandedOver() const { return true; }

private:
    std::unique_ptr<Canvas> canvas_;
};

}  // namespace zorvik
