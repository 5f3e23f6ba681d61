#pragma once
// --language LANG of zorvik-select: taken out of the words of any command
// before the command reads them, and the translation it names loaded for
// the texts written for people, which the command is handed (Reader).

#include <memory>
#include <string>

#include "commands.h"
#include "language.h"

namespace zorvik::cli {

class ReaderLanguage {
public:
    // Removes "--language LANG" (or "--language=LANG") from `args`. `error`
    // is set, and nothing is loaded, for a missing or unknown language.
    ReaderLanguage(Words& args, std::string& error);

    // The language asked for; English (none) without the option.
    const Translator* Reader() const { return loaded_.get(); }

private:
    std::unique_ptr<texts::Language> loaded_;
};

}  // namespace zorvik::cli
