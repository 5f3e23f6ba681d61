#pragma once
// Number and text output shared by the commands.

#include <string>

namespace zorvik::cli {

// Shortest text that reads back to exactly the same double.
std::string FullPrecision(double value);

// A JSON string literal, with the escapes JSON needs.
std::string JsonString(const std::string& text);

// A CSV cell in double quotes, its quotes doubled.
std::string CsvQuoted(const std::string& text);

// A user's text as a terminal table shows it: control characters (a NUL,
// an escape sequence, a line break) written as \xNN, so a tag can neither
// cut the table short nor drive the terminal.
std::string TerminalText(const std::string& text);

// A message's line breaks as blanks, for one-line output.
std::string OneLine(std::string text);

// A file name's extension in lower case, with its dot (".pdf"); empty
// for none.
std::string LowerExtension(const std::string& file);

// A model's name as printed: its series and ratio, without the blank a
// single-stage ratio text ends in.
std::string ModelName(const std::string& series, const std::string& ratioText);

}  // namespace zorvik::cli
