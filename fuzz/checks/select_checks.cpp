// zorvik-select's command line: the option parser and the option values of
// the commands that need no display.

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <vector>

#include "arguments.h"
#include "commands.h"
#include "point_command.h"
#include "selection_commands.h"
#include "fuzz/checks/check.h"
#include "fuzz/checks/fuzz_checks.h"

namespace zorvik::fuzz {
namespace {

// The commands print their tables and messages; thousands of runs a second
// must not flood the terminal, so both streams go to /dev/null meanwhile.
class SilencedOutput {
public:
    SilencedOutput() {
        std::fflush(stdout);
        std::fflush(stderr);
        out_ = dup(1);
        err_ = dup(2);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        close(null);
    }
    ~SilencedOutput() {
        std::fflush(stdout);
        std::fflush(stderr);
        dup2(out_, 1);
        dup2(err_, 2);
        close(out_);
        close(err_);
    }
    SilencedOutput(const SilencedOutput&) = delete;
    SilencedOutput& operator=(const SilencedOutput&) = delete;

private:
    int out_;
    int err_;
};

std::vector<std::string> Words(std::string_view data) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= data.size()) {
        const auto end = std::min(data.find('\0', start), data.size());
        words.emplace_back(data.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// Every option name of every command, some with a value and some without.
// clang-format off
const std::vector<cli::OptionSpec> kAllOptions = {
    {"drive", true},   {"air", true},     {"inlet", true},       {"outlet", true},     {"flow", true},
    {"initial", true}, {"final", true},   {"capacity", true},    {"model", true},      {"format", true},
    {"option", true},  {"title", true},   {"units", true},       {"out", true},        {"inlet-scale", true},
    {"metric", false}, {"ignore-air", false}, {"ignore-flow", false}, {"no-equalise", false}, {"help", false},
    {"gas", true},     {"gas-temperature", true}, {"real-gas", false}, {"temperature-limit", true}, {"office", true},
};
// clang-format on

// A parse either fails with a reason or takes every word: each option once,
// a value after each option that takes one.
void CheckParser(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = cli::ParseArguments(args, kAllOptions, error);
    if (!parsed) {
        ZORVIK_REQUIRE(!error.empty(), "a refused command line without a reason");
        return;
    }
    std::size_t words = 0;
    for (const auto& [name, value] : parsed->values) {
        ZORVIK_REQUIRE(parsed->flags.count(name) == 0, "--" + name + " both a flag and a value");
        words += 2;
    }
    words += parsed->flags.size();
    ZORVIK_REQUIRE(words == args.size(), "the parse did not account for every word");
    for (const cli::OptionSpec& option : kAllOptions) {
        if (option.takesValue)
            ZORVIK_REQUIRE(parsed->flags.count(option.name) == 0, "--" + option.name + " lost its value");
        else
            ZORVIK_REQUIRE(parsed->values.count(option.name) == 0, "--" + option.name + " took a value");
    }
}

}  // namespace

void CheckSelectArguments(std::string_view data) {
    std::vector<std::string> args = Words(data);
    const int choice = args.front().empty() ? 0 : static_cast<unsigned char>(args.front()[0]) % 4;
    args.erase(args.begin());
    if (choice == 3) {
        CheckParser(args);
        return;
    }
    // A fuzzed --batch path could name any file, standard input or an endless
    // device among them; the batch file's reading has its own target.
    if (std::find(args.begin(), args.end(), "--batch") != args.end()) return;
    const cli::Command* commands[] = {&cli::FlowCommand, &cli::FillCommand, &cli::PointCommand};
    int status = -1;
    {
        SilencedOutput quiet;
        status = commands[choice]->run(args, nullptr);
    }
    ZORVIK_REQUIRE(status == cli::ExitOk || status == cli::ExitFailed, "an exit status other than 0 or 2");
}

}  // namespace zorvik::fuzz
