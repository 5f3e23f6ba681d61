#include "text.h"

#include <ostream>
#include <string_view>

namespace zorvik {
namespace {

template <typename Arguments>
std::string Filled(std::string_view text, const Arguments& arguments) {
    std::string out;
    out.reserve(text.size() + 16 * arguments.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < arguments.size()) {
            out += std::data(arguments)[next - '1'];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

Text Tr(const char* context, const char* source) {
    Text text;
    text.kind_ = Text::Kind::Translated;
    text.context_ = context;
    text.source_ = source;
    return text;
}

Text Text::With(std::vector<Text> figures) const {
    Text text = *this;
    text.parts_ = std::move(figures);
    return text;
}

Text operator+(Text first, Text second) {
    if (second.Empty()) return first;
    if (first.Empty()) return second;
    Text joined;
    joined.kind_ = Text::Kind::Joined;
    for (Text* t : {&first, &second}) {
        if (t->kind_ == Text::Kind::Joined)
            joined.parts_.insert(joined.parts_.end(), t->parts_.begin(), t->parts_.end());
        else
            joined.parts_.push_back(std::move(*t));
    }
    return joined;
}

std::string Say(const Text& text, const Translator* translator) {
    std::vector<std::string> parts;
    parts.reserve(text.parts_.size());
    for (const Text& part : text.parts_) parts.push_back(Say(part, translator));
    switch (text.kind_) {
        case Text::Kind::Figure:
            return text.source_;
        case Text::Kind::Joined: {
            std::string joined;
            for (const std::string& part : parts) joined += part;
            return joined;
        }
        case Text::Kind::Translated:
            break;
    }
    std::string words =
        translator == nullptr ? std::string() : translator->Translate(text.context_.c_str(), text.source_.c_str());
    return Filled(words.empty() ? text.source_ : words, parts);
}

std::ostream& operator<<(std::ostream& out, const Text& text) { return out << English(text); }

}  // namespace zorvik
