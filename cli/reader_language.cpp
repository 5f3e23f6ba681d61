#include "reader_language.h"

#include <optional>

#include "program_translations.h"

namespace zorvik::cli {
namespace {

const char kOption[] = "--language";

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
    if (!IsProgramLanguage(QString::fromStdString(*code))) {
        error = "--language must be en, de, fr, it, es or nl, not \"" + *code + "\"";
        return;
    }
    if (*code == "en") return;
    loaded_ = texts::Language::Load(*code);
    if (!loaded_) error = "the translation into " + *code + " cannot be loaded";
}

}  // namespace zorvik::cli
