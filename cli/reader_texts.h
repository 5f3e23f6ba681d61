#pragma once
// zorvik-select writes in English: scripts read what it prints. Given
// --language, the texts it writes for people follow that language instead:
// why a model is not listed, the pages and pictures it draws, the schedule
// of a job report. Those texts are made inside a ReaderTexts scope; every
// other text - tables, headings, keys, messages, errors - stays English.

namespace zorvik::cli {

// Turns the chosen language on or off for the texts made from then on.
using LanguageSwitch = void (*)(bool on);

// Installed once by the program when --language names a translation.
void SetReaderLanguage(LanguageSwitch languageSwitch);

// While one lives (they nest), texts are made in the chosen language.
class ReaderTexts {
public:
    ReaderTexts();
    ~ReaderTexts();
    ReaderTexts(const ReaderTexts&) = delete;
    ReaderTexts& operator=(const ReaderTexts&) = delete;
};

}  // namespace zorvik::cli
