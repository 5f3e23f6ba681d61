#pragma once
// The language the program shows its texts in. It starts in the language
// the user last chose in the main window, else in the first of the system's
// languages (LANGUAGE, LANG) it speaks, else in English.
//
// A ProgramLanguage is made once by the application, before its windows,
// and lives as long as they do. It installs the program's translation and
// Qt's own; the windows say the engine's texts - reasons, messages, gas
// names - through them (texts::DesktopTranslator), so those follow too. Switching
// makes Qt send every window QEvent::LanguageChange, on which each one
// writes its texts again.

#include <QString>
#include <QTranslator>

#include "program_translations.h"

namespace zorvik {

// The first of the system's user-interface languages the program speaks,
// else "en".
QString SystemLanguage();

// The language the user chose last (the settings), else SystemLanguage().
QString StartLanguage();

// Keeps the user's choice in the settings for the next start.
void RememberLanguage(const QString& code);

class ProgramLanguage {
public:
    // English until Use() is called.
    ProgramLanguage();
    ~ProgramLanguage();
    ProgramLanguage(const ProgramLanguage&) = delete;
    ProgramLanguage& operator=(const ProgramLanguage&) = delete;

    // Shows every text in `code` from now on. False, with the program left
    // in English, for a code the program does not speak or a translation it
    // cannot load.
    bool Use(const QString& code);

    // The code of the language in use.
    QString Code() const { return code_; }

private:
    void Remove();

    QString code_ = QStringLiteral("en");
    QTranslator program_;
    QTranslator qt_;
    bool programInstalled_ = false;
    bool qtInstalled_ = false;
};

}  // namespace zorvik
