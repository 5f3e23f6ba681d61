#pragma once
// Command-line options of zorvik-select: "--name value" pairs and bare
// "--flag" switches after a command word. Every command declares the options
// it takes; anything else is a usage error.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zorvik::cli {

struct OptionSpec {
    std::string name;  // without the leading "--"
    bool takesValue;   // "--name value" when true, "--name" alone when false
};

struct Arguments {
    std::map<std::string, std::string> values;
    std::set<std::string> flags;

    bool Has(const std::string& name) const { return values.count(name) != 0 || flags.count(name) != 0; }
    std::string Value(const std::string& name, const std::string& fallback = "") const;
};

// Reads args (the words after the command word). On a usage error returns
// nothing and sets error to a one-line explanation.
std::optional<Arguments> ParseArguments(const std::vector<std::string>& args, const std::vector<OptionSpec>& known,
                                        std::string& error);

// Exit statuses shared by every command.
inline constexpr int ExitOk = 0;
inline constexpr int ExitSomeRefused = 1;  // a batch file with points that could not be sized
inline constexpr int ExitFailed = 2;       // usage error, invalid entry, failed validation

// Writes "zorvik-select <command>: <message>" on stderr; returns ExitFailed.
int Failure(const std::string& command, const std::string& message);

// True when every one of `names` is given; else false, with the error
// "<command> needs --a, --b and --c".
bool HasOptions(const Arguments& parsed, const std::string& command, const std::vector<std::string>& names,
                std::string& error);

// --model N: a catalogue model number, 1 to 15; nothing, with the error
// set, otherwise.
std::optional<int> ReadModelOption(const Arguments& parsed, std::string& error);

}  // namespace zorvik::cli
