#pragma once
// The texts the engine and the job library make for people - reasons,
// validation messages, gas names, table labels, job messages - as values
// that are not yet in any language.
//
// A text is written once, in English, where it is made, with its figures:
//   Tr("Reasons", "Delivers %1, less than the %2 required").With({delivered, required})
// and stays a Text (what to say and the figures to say it with) until it
// reaches the edge that shows it: a window, a page, a file written for a
// reader, a command's output. There it becomes a sentence in the language
// the edge passes (Say with a Translator; the texts library has one per
// program language), or in English (English). No language is kept anywhere
// in between, so two answers in two languages can be made at the same time,
// and a text kept for comparison compares what was said, not its words.

#include <iosfwd>
#include <string>
#include <vector>

namespace zorvik {

// A reader's language: the text of `source` (UTF-8, English) in `context`,
// or an empty string when it has none, how the reader writes a decimal
// fraction, and the locale whose dates and paper the reader's pages take
// (empty: the system's settings). No translator at all is English with "."
// on the system's settings.
class Translator {
public:
    virtual ~Translator() = default;
    virtual std::string Translate(const char* context, const char* source) const = 0;
    virtual char DecimalSeparator() const { return '.'; }
    virtual std::string LocaleName() const { return {}; }
};

class Text {
public:
    Text() = default;
    // A figure, a name or a text typed by a user: the same in every language.
    Text(std::string figure) : source_(std::move(figure)) {}  // NOLINT: a figure reads as a text
    Text(const char* figure) : source_(figure) {}             // NOLINT

    // A text to translate, `context` and `source` as the translation files
    // hold them (the call is what lupdate looks for: two literals).
    friend Text Tr(const char* context, const char* source);

    // The same text with the figures for its %1 ... %9, put in wherever
    // they stand in the words said. A % followed by anything else, or by a
    // number beyond the figures, stays as it is ("50 % of maximum").
    Text With(std::vector<Text> figures) const;

    // The texts one after the other, as one.
    friend Text operator+(Text first, Text second);

    bool Empty() const { return kind_ != Kind::Translated && source_.empty() && parts_.empty(); }
    // For a translated text: its context and English source.
    bool Translated() const { return kind_ == Kind::Translated; }
    const std::string& Context() const { return context_; }
    const std::string& Source() const { return source_; }
    const std::vector<Text>& Parts() const { return parts_; }

    bool operator==(const Text&) const = default;
    // A text is not its words: compare what a reader is told (English(t)).
    bool operator==(const std::string&) const = delete;
    bool operator==(const char*) const = delete;

private:
    enum class Kind { Figure, Translated, Joined };
    Kind kind_ = Kind::Figure;
    std::string context_;
    std::string source_;       // English source, or the figure itself
    std::vector<Text> parts_;  // the figures of a translated text, the texts of a joined one

    friend std::string Say(const Text& text, const Translator* translator);
};

Text Tr(const char* context, const char* source);
Text operator+(Text first, Text second);

// The text as a sentence in the translator's language; English where it has
// no translation, and with no translator.
std::string Say(const Text& text, const Translator* translator);
inline std::string English(const Text& text) { return Say(text, nullptr); }

// The text in English, for logs and test reports.
std::ostream& operator<<(std::ostream& out, const Text& text);

}  // namespace zorvik

// Marks a text in a table of constants for the translation files without
// translating it there: the code that shows the text makes it a Text, or
// translates it, with the same context.
#define ZORVIK_TR_NOOP(context, source) source
