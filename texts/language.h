#pragma once
// Saying the engine's texts in a language that is passed along, not kept:
// a Language is one of the program's languages with its translation
// loaded, and any number of them may answer at once (two readers of two
// languages, a report in one while a window shows another). The windows
// speak through the desktop's translator instead, the one Qt holds for the
// language the user picked.

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <memory>
#include <string>

#include "text.h"

namespace zorvik::texts {

class Language final : public Translator {
public:
    // English: the texts as written.
    Language() = default;

    // The program's language `code` ("de"); nothing when the code is not one
    // of ProgramLanguages or its translation cannot be loaded. "en" is
    // English.
    static std::unique_ptr<Language> Load(const std::string& code);

    const std::string& Code() const { return code_; }
    std::string Translate(const char* context, const char* source) const override;
    // As the language's own locale writes it: "," for German.
    char DecimalSeparator() const override { return decimal_; }
    std::string LocaleName() const override { return code_; }

private:
    std::string code_ = "en";
    char decimal_ = '.';
    std::unique_ptr<QTranslator> program_;
};

// The translator of the windows: the translation Qt has installed for the
// language the user picked (QCoreApplication::translate), with the
// desktop's decimal separator (Qt's default locale).
const Translator* DesktopTranslator();

// The translator's decimal separator; "." for none.
char DecimalOf(const Translator* translator);

// The locale of the reader's dates and paper: the language's, or the
// system's settings.
QLocale LocaleOf(const Translator* translator);

// Today's date as the reader writes it, short.
QString ShortDate(const Translator* translator);

// A text said as a QString.
QString Said(const Text& text, const Translator* translator);

// A text whose numbers are written with "." (the engine's figures, a
// table's cells) said for the reader, with the reader's separator; model
// names and dates keep their points (WithDecimalSeparator).
QString Figures(const Text& text, const Translator* translator);

}  // namespace zorvik::texts
