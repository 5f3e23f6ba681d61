#pragma once
// A one-page printout written to a PDF file as the window's Print to a PDF
// printer writes it: the same resolution and the page layout a printer
// starts with.

#include <QString>
#include <functional>
#include <string>

#include "print_page.h"

namespace zorvik::cli {

// Draws the page with `print` and writes the file; false, with why in
// `error`, when the page cannot be drawn or the file written.
bool WritePrintedPage(const std::string& out, const QString& title, const std::function<PrintResult(PrintPage&)>& print,
                      std::string& error);

}  // namespace zorvik::cli
