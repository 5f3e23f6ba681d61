#include "reader_language.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>
#include <optional>

#include "offscreen_application.h"
#include "program_translations.h"
#include "reader_texts.h"
#include "text_catalog.h"

namespace zorvik::cli {

// The program's translation and Qt's, and the application that installs
// them; made only when a language other than English is asked for.
struct LoadedLanguage {
    OffscreenApplication app;
    QTranslator program;
    QTranslator qt;
};

namespace {

const char kOption[] = "--language";

LoadedLanguage* gLoaded = nullptr;

void Switch(bool on) {
    if (on) {
        QCoreApplication::installTranslator(&gLoaded->program);
        QCoreApplication::installTranslator(&gLoaded->qt);
        SetTextTranslator(TranslateThroughQt);
    } else {
        SetTextTranslator(nullptr);
        QCoreApplication::removeTranslator(&gLoaded->qt);
        QCoreApplication::removeTranslator(&gLoaded->program);
    }
}

// The value of the option, removed with it from `args`; nothing without it.
std::optional<std::string> TakeOption(Words& args, std::string& error) {
    const std::string prefix = std::string(kOption) + "=";
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (it->rfind(prefix, 0) == 0) {
            std::string value = it->substr(prefix.size());
            args.erase(it);
            return value;
        }
        if (*it != kOption) continue;
        if (it + 1 == args.end()) {
            error = "--language needs a language: en, de, fr, it, es or nl";
            args.erase(it);
            return std::nullopt;
        }
        std::string value = *(it + 1);
        args.erase(it, it + 2);
        return value;
    }
    return std::nullopt;
}

}  // namespace

ReaderLanguage::ReaderLanguage(Words& args, std::string& error) {
    const std::optional<std::string> code = TakeOption(args, error);
    if (!code) return;
    if (TakeOption(args, error) || !error.empty()) {
        error = "--language is given twice";
        return;
    }
    const QString language = QString::fromStdString(*code);
    if (!IsProgramLanguage(language)) {
        error = "--language must be en, de, fr, it, es or nl, not \"" + *code + "\"";
        return;
    }
    if (language == QLatin1String("en")) return;
    loaded_ = std::make_unique<LoadedLanguage>();
    if (!LoadProgramTranslation(loaded_->program, language)) {
        error = "the translation into " + *code + " cannot be loaded";
        loaded_.reset();
        return;
    }
    LoadQtTranslation(loaded_->qt, language);
    gLoaded = loaded_.get();
    SetReaderLanguage(Switch);
}

ReaderLanguage::~ReaderLanguage() {
    if (!loaded_) return;
    SetReaderLanguage(nullptr);
    gLoaded = nullptr;
}

}  // namespace zorvik::cli
