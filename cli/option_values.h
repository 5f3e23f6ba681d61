#pragma once
// Option values read as numbers, with errors that name the option (or the
// batch file's column) they come from: "--drive: -100 is not a valid value".

#include <optional>
#include <string>

namespace zorvik::cli {

// `text` read as the selection window's entry field reads it (`kind`
// PressureEntry or FlowEntry; barg, nl/min and litres converted when
// `metric`): psig, scfm or cubic feet. Nothing, with `error` set, when the
// field would refuse it. `name` is "--drive" for an option, "drive" for a
// batch column.
std::optional<double> ReadEntryOption(const std::string& name, const std::string& text, int kind, bool metric,
                                      std::string& error);

// A temperature, degC: any number above absolute zero.
std::optional<double> ReadCelsiusOption(const std::string& name, const std::string& text, std::string& error);

}  // namespace zorvik::cli
