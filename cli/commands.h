#pragma once
// The commands of zorvik-select. Each takes the words after its command word
// and returns the exit status; output goes to stdout, messages to stderr.

#include <string>
#include <vector>

#include "text.h"

namespace zorvik::cli {

using Words = std::vector<std::string>;

struct Command {
    const char* name;
    const char* summary;  // one line for the overview
    // `reader`: the language of what is meant for people (--language);
    // English for none.
    int (*run)(const Words& args, const Translator* reader);
    void (*help)();  // prints the command's options
};

}  // namespace zorvik::cli
