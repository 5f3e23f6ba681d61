#include "text_catalog.h"

#include <atomic>

namespace zorvik {
namespace {

std::atomic<TextTranslator> gTranslator{nullptr};
thread_local int tEnglishDepth = 0;

}  // namespace

TextTranslator SetTextTranslator(TextTranslator translator) { return gTranslator.exchange(translator); }

std::string Tr(const char* context, const char* source) {
    const TextTranslator translator = gTranslator.load();
    if (translator == nullptr || tEnglishDepth > 0) return source;
    std::string text = translator(context, source);
    return text.empty() ? std::string(source) : text;
}

EnglishTexts::EnglishTexts() { ++tEnglishDepth; }
EnglishTexts::~EnglishTexts() { --tEnglishDepth; }

std::string Substitute(std::string_view text, std::initializer_list<std::string_view> arguments) {
    std::string out;
    out.reserve(text.size() + 16 * arguments.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < arguments.size()) {
            out += arguments.begin()[next - '1'];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace zorvik
