#pragma once
// What a window or a printed page must hold in any language: every text
// whole inside its control, no two texts on top of each other, and every
// keyboard mnemonic used once in a window. Each check returns a line per
// fault, naming the control and the text, so a failure says what to mend.

#include <QString>
#include <string>
#include <vector>

#include "support/printed_pdf.h"

class QWidget;

namespace zorvik::testing {

// Labels wider (or, word-wrapped, taller) than themselves, buttons and check
// boxes narrower than their text, text fields whose text needs scrolling,
// lines that should stand one to a bullet but wrap, tab bars too narrow for
// their tabs; and any two texts that overlap. Only visible controls count.
std::vector<std::string> UnfitTexts(QWidget* window);

// Mnemonics ("&S") that two visible controls of the window share.
std::vector<std::string> RepeatedMnemonics(QWidget* window);

// Words of a printed page that overlap another word or run off the page.
std::vector<std::string> CrowdedWords(const std::vector<PdfWord>& words, double pageWidth, double pageHeight);

}  // namespace zorvik::testing
