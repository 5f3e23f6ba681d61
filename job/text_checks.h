#pragma once
// Checks on the raw bytes of a file before they are parsed, and the place
// of a byte as an editor shows it, for the messages.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text.h"

namespace zorvik::job {

// The offset of the first byte that does not start or continue a well-formed
// UTF-8 character (no overlong forms, no surrogates, nothing above
// U+10FFFF), or nothing when all of the text is UTF-8.
std::optional<std::size_t> FirstInvalidUtf8(std::string_view text);

// "line 3, column 5" for the byte at `offset` (both from 1; columns count
// characters, a line ends at "\n"). An offset past the end names the place
// just after the last byte.
Text LineAndColumn(std::string_view text, std::size_t offset);

}  // namespace zorvik::job
