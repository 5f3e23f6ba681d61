#pragma once
// Number and text output shared by the commands.

#include <string>

namespace zorvik::cli {

// Shortest text that reads back to exactly the same double.
std::string FullPrecision(double value);

// A JSON string literal, with the escapes JSON needs.
std::string JsonString(const std::string& text);

}  // namespace zorvik::cli
