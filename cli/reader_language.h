#pragma once
// --language LANG of zorvik-select: taken out of the words of any command
// before the command reads them, and the translation it names loaded for
// the texts written for people (reader_texts.h).

#include <memory>
#include <string>

#include "commands.h"

namespace zorvik::cli {

struct LoadedLanguage;

class ReaderLanguage {
public:
    // Removes "--language LANG" (or "--language=LANG") from `args`. `error`
    // is set, and nothing is loaded, for a missing or unknown language.
    ReaderLanguage(Words& args, std::string& error);
    ~ReaderLanguage();
    ReaderLanguage(const ReaderLanguage&) = delete;
    ReaderLanguage& operator=(const ReaderLanguage&) = delete;

private:
    std::unique_ptr<LoadedLanguage> loaded_;
};

}  // namespace zorvik::cli
