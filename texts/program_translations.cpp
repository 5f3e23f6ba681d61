#include "program_translations.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace zorvik {

bool IsProgramLanguage(const QString& code) {
    for (const LanguageEntry& entry : ProgramLanguages)
        if (code == QLatin1String(entry.code)) return true;
    return false;
}

bool LoadProgramTranslation(QTranslator& translator, const QString& code) {
    return IsProgramLanguage(code) && translator.load(QStringLiteral(":/i18n/zorvik_%1.qm").arg(code));
}

bool LoadQtTranslation(QTranslator& translator, const QString& code) {
    return translator.load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace zorvik
