#include "arguments.h"

#include <cstdio>

#include "catalogue.h"
#include "number_text.h"

namespace zorvik::cli {

std::string Arguments::Value(const std::string& name, const std::string& fallback) const {
    const auto it = values.find(name);
    return it != values.end() ? it->second : fallback;
}

std::optional<Arguments> ParseArguments(const std::vector<std::string>& args, const std::vector<OptionSpec>& known,
                                        std::string& error) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word.rfind("--", 0) != 0 || word.size() == 2) {
            error = "unexpected argument \"" + word + "\"";
            return std::nullopt;
        }
        const std::string name = word.substr(2);
        const OptionSpec* option = nullptr;
        for (const OptionSpec& s : known)
            if (s.name == name) option = &s;
        if (option == nullptr) {
            error = "unknown option \"" + word + "\"";
            return std::nullopt;
        }
        if (parsed.Has(name)) {
            error = "option \"" + word + "\" given twice";
            return std::nullopt;
        }
        if (!option->takesValue) {
            parsed.flags.insert(name);
            continue;
        }
        if (i + 1 >= args.size()) {
            error = "option \"" + word + "\" needs a value";
            return std::nullopt;
        }
        parsed.values[name] = args[++i];
    }
    return parsed;
}

int Failure(const std::string& command, const std::string& message) {
    std::fprintf(stderr, "zorvik-select %s: %s\n", command.c_str(), message.c_str());
    return ExitFailed;
}

bool HasOptions(const Arguments& parsed, const std::string& command, const std::vector<std::string>& names,
                std::string& error) {
    for (const std::string& name : names)
        if (!parsed.Has(name)) {
            error = command + " needs ";
            for (std::size_t i = 0; i < names.size(); ++i)
                error += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + ("--" + names[i]);
            return false;
        }
    return true;
}

std::optional<int> ReadModelOption(const Arguments& parsed, std::string& error) {
    const auto model = ParseWholeNumber(parsed.Value("model"));
    if (!model || *model < 1 || *model > PumpCount) {
        error = "--model must be a whole number from 1 to 15";
        return std::nullopt;
    }
    return model;
}

}  // namespace zorvik::cli
