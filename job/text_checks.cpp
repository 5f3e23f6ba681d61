#include "text_checks.h"

#include <algorithm>
#include "fixed_format.h"
#include "text.h"

namespace zorvik::job {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed character at text[i], or 0 (RFC 3629,
// table 3-7 of the Unicode standard: the second byte's range depends on
// the first).
std::size_t CharacterLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char b0 = byte(0);
    if (b0 < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) length = 2;
    if (b0 >= 0xE0 && b0 <= 0xEF) length = 3;
    if (b0 >= 0xF0 && b0 <= 0xF4) length = 4;
    if (b0 == 0xE0) low = 0xA0;   // no overlong three-byte forms
    if (b0 == 0xED) high = 0x9F;  // no surrogates
    if (b0 == 0xF0) low = 0x90;   // no overlong four-byte forms
    if (b0 == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    if (length == 0 || i + length > text.size()) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (!IsContinuation(byte(k))) return 0;
    return length;
}

}  // namespace

std::optional<std::size_t> FirstInvalidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length = CharacterLength(text, i);
        if (length == 0) return i;
        i += length;
    }
    return std::nullopt;
}

Text LineAndColumn(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i < offset; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            ++line;
            column = 1;
        } else if (!IsContinuation(c)) {
            ++column;
        }
    }
    return Tr("Jobs", "line %1, column %2").With({WholeNumber(line), WholeNumber(column)});
}

}  // namespace zorvik::job
