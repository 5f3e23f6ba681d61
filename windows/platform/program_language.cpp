#include "program_language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>

#include "text.h"

namespace zorvik {
namespace {

const char kLanguageKey[] = "Language";

QSettings Settings() { return QSettings(QStringLiteral("Zorvik"), QStringLiteral("Air Pressure Amplifiers")); }

}  // namespace

// uiLanguages() lists "de-DE" before "de": the language part decides.
QString SystemLanguage() {
    for (const QString& language : QLocale::system().uiLanguages()) {
        const QString code = language.section(QLatin1Char('-'), 0, 0).toLower();
        if (IsProgramLanguage(code)) return code;
    }
    return QStringLiteral("en");
}

QString StartLanguage() {
    const QString chosen = Settings().value(QLatin1String(kLanguageKey)).toString();
    return IsProgramLanguage(chosen) ? chosen : SystemLanguage();
}

void RememberLanguage(const QString& code) { Settings().setValue(QLatin1String(kLanguageKey), code); }

ProgramLanguage::ProgramLanguage() = default;

ProgramLanguage::~ProgramLanguage() { Remove(); }

void ProgramLanguage::Remove() {
    if (programInstalled_) QCoreApplication::removeTranslator(&program_);
    if (qtInstalled_) QCoreApplication::removeTranslator(&qt_);
    programInstalled_ = qtInstalled_ = false;
    code_ = QStringLiteral("en");
}

// Without Qt's own translation the standard buttons stay English; the
// program's texts are translated all the same.
bool ProgramLanguage::Use(const QString& code) {
    if (code == code_) return true;
    Remove();
    if (code == QLatin1String("en")) return true;
    if (!LoadProgramTranslation(program_, code)) return false;
    programInstalled_ = QCoreApplication::installTranslator(&program_);
    if (LoadQtTranslation(qt_, code)) qtInstalled_ = QCoreApplication::installTranslator(&qt_);
    if (programInstalled_) code_ = code;
    return programInstalled_;
}

}  // namespace zorvik
