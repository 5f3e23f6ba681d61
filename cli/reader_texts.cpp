#include "reader_texts.h"

namespace zorvik::cli {
namespace {

// zorvik-select runs on one thread.
LanguageSwitch gSwitch = nullptr;
int gDepth = 0;

}  // namespace

void SetReaderLanguage(LanguageSwitch languageSwitch) { gSwitch = languageSwitch; }

ReaderTexts::ReaderTexts() {
    if (gDepth++ == 0 && gSwitch != nullptr) gSwitch(true);
}

ReaderTexts::~ReaderTexts() {
    if (--gDepth == 0 && gSwitch != nullptr) gSwitch(false);
}

}  // namespace zorvik::cli
