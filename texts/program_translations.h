#pragma once
// The languages the program speaks and its translations of them, compiled
// into the programs as resources (":/i18n/zorvik_de.qm"): nothing to find
// on disk, so the program, zorvik-select and the tests read the same ones
// wherever they run from, and loading one maps it without a copy.
// Qt Core only: the windows and zorvik-select both use it.

#include <QString>
#include <array>

class QTranslator;

namespace zorvik {

struct LanguageEntry {
    const char* code;  // ISO 639-1: "de"
    const char* name;  // in its own language, as a menu lists it: "Deutsch"
};

// English first: the texts as written, with no translation to load.
// clang-format off
inline constexpr std::array<LanguageEntry, 6> ProgramLanguages = {{
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Fran\xC3\xA7" "ais"},
    {"it", "Italiano"},
    {"es", "Espa\xC3\xB1" "ol"},
    {"nl", "Nederlands"},
}};
// clang-format on

// True for a code of ProgramLanguages.
bool IsProgramLanguage(const QString& code);

// Loads the program's translation of `code` (not "en") into `translator`.
bool LoadProgramTranslation(QTranslator& translator, const QString& code);

// Loads Qt's own translation of `code` - the buttons of message boxes and
// standard dialogs - from Qt's folder (qt6-translations-l10n).
bool LoadQtTranslation(QTranslator& translator, const QString& code);

}  // namespace zorvik
