#pragma once
// Runs the built zorvik-select as a user or a script would: exactly the
// given words as its arguments (no shell between, so any UTF-8 text reaches
// it as it stands), an optional text on its standard input and changes to
// its environment; hands back its exit status and what it wrote.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zorvik::testing {

struct SelectOutcome {
    int status = -1;  // -1: it crashed or never finished
    std::string out;
    std::string err;
};

// Variables to set for the run; one mapped to nullopt is removed.
using SelectEnvironment = std::map<std::string, std::optional<std::string>>;

SelectOutcome RunSelect(const std::vector<std::string>& words, const std::string& input = {},
                        const SelectEnvironment& environment = {});

// The same with the file size limit of a nearly full disk (RLIMIT_FSIZE,
// bytes), where the system offers it; a run elsewhere is not limited.
SelectOutcome RunSelectWithFileLimit(const std::vector<std::string>& words, long limitBytes);

// Runs it as the unprivileged user "nobody" (setpriv), for what root would
// be let do anyway: writing another user's file. Empty when it can; else
// why not (the test is skipped with that reason).
std::string WhyNotAsAnotherUser();
SelectOutcome RunSelectAsAnotherUser(const std::vector<std::string>& words);

// The exit status of a run whose words are handed over byte for byte, names
// that are not UTF-8 included (Qt would replace those bytes); its output is
// not kept. Where the system has no byte names, it runs as RunSelect.
int RunSelectWithBytes(const std::vector<std::string>& words);

// The lines of a command's output, without their line ends.
std::vector<std::string> Lines(const std::string& text);

}  // namespace zorvik::testing
