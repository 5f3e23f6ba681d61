#pragma once
// The texts the engine writes for people - reasons, validation messages, gas
// names, table labels, job messages - in the language the application chose.
//
// A text is written once, in English, where it is made: Tr("Reasons",
// "Delivers no flow: it stalls %1"). Tr hands it to the translator the
// application installed (the windows install one over Qt's translations);
// with none installed, or for a text not translated, the English itself comes
// back, byte for byte. Figures go into a text through Substitute, after the
// translation, so a language may put them in another order:
//   Substitute(Tr("Reasons", "Delivers %1, less than the %2 required"), {a, b})
// The numbers themselves are formatted by the engine as before.
//
// The translator is one for the whole process: a language belongs to the
// application and the person at it, not to a duty or a session, and every
// text of a run is wanted in the same one. It is installed once at start (and
// again when the user picks another language), before or between any work.

#include <initializer_list>
#include <string>
#include <string_view>

namespace zorvik {

// Gives the text of `source` (UTF-8, English) in `context` in the chosen
// language, or an empty string when it has none.
using TextTranslator = std::string (*)(const char* context, const char* source);

// Installs the translator every Tr uses from now on; nullptr goes back to
// English. Returns the one installed before.
TextTranslator SetTextTranslator(TextTranslator translator);

// `source` in the chosen language; `source` itself when there is no
// translator or no translation.
std::string Tr(const char* context, const char* source);

// While one lives, Tr on its thread gives the English source: for texts kept
// in files and compared later (a job item's problem), which must read the
// same whatever the language of the run that wrote them.
class EnglishTexts {
public:
    EnglishTexts();
    ~EnglishTexts();
    EnglishTexts(const EnglishTexts&) = delete;
    EnglishTexts& operator=(const EnglishTexts&) = delete;
};

// `text` with %1 ... %9 replaced by the arguments in that order, wherever
// they stand. A % followed by anything else, or by a number beyond the
// arguments, stays as it is ("50 % of maximum").
std::string Substitute(std::string_view text, std::initializer_list<std::string_view> arguments);

}  // namespace zorvik

// Marks a text in a table of constants for the translation files without
// translating it there: the code that shows the text translates it with the
// same context (QCoreApplication::translate, or Tr in the engine).
#define ZORVIK_TR_NOOP(context, source) source
