#include "language.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include "fixed_format.h"
#include "program_translations.h"

namespace zorvik::texts {
namespace {

// One ASCII character, or "." for a locale whose separator is not one.
char SingleSeparator(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    return point.size() == 1 && point.front().unicode() < 128 && point.front() > QLatin1Char(' ')
               ? point.front().toLatin1()
               : '.';
}

class ThroughQt final : public Translator {
public:
    // QCoreApplication::translate gives the source back when there is no
    // translation; the engine takes the text either way.
    std::string Translate(const char* context, const char* source) const override {
        return QCoreApplication::translate(context, source).toStdString();
    }
    char DecimalSeparator() const override { return SingleSeparator(QLocale()); }
};

}  // namespace

std::unique_ptr<Language> Language::Load(const std::string& code) {
    const QString name = QString::fromStdString(code);
    if (!IsProgramLanguage(name)) return nullptr;
    auto language = std::make_unique<Language>();
    language->code_ = code;
    language->decimal_ = SingleSeparator(QLocale(name));
    if (code == "en") return language;
    language->program_ = std::make_unique<QTranslator>();
    if (!LoadProgramTranslation(*language->program_, name)) return nullptr;
    return language;
}

std::string Language::Translate(const char* context, const char* source) const {
    if (!program_) return {};
    return program_->translate(context, source).toStdString();
}

const Translator* DesktopTranslator() {
    static const ThroughQt desktop;
    return &desktop;
}

char DecimalOf(const Translator* translator) { return translator == nullptr ? '.' : translator->DecimalSeparator(); }

QLocale LocaleOf(const Translator* translator) {
    const std::string name = translator == nullptr ? std::string() : translator->LocaleName();
    return name.empty() ? QLocale::system() : QLocale(QString::fromStdString(name));
}

QString ShortDate(const Translator* translator) {
    return LocaleOf(translator).toString(QDate::currentDate(), QLocale::ShortFormat);
}

QString Figures(const Text& text, const Translator* translator) {
    return QString::fromStdString(WithDecimalSeparator(Say(text, translator), DecimalOf(translator)));
}

QString Said(const Text& text, const Translator* translator) { return QString::fromStdString(Say(text, translator)); }

}  // namespace zorvik::texts
