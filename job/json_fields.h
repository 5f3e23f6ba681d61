#pragma once
// Reading one JSON object of a job file key by key, with the place it has
// in the file for the messages ("Item 3 (\"B-101\"): \"quantity\" must be
// ..."). A key of the wrong kind, a missing one or one nobody asked for
// throws FileFault with the sentence to show.

#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>
#include <string>

#include "text.h"

namespace zorvik::job {

struct FileFault : std::runtime_error {
    explicit FileFault(zorvik::Text why) : std::runtime_error(English(why)), text(std::move(why)) {}
    zorvik::Text text;
};

// A text of the file as a message quotes it: in JSON quotes with its
// control characters escaped, cut after 40 bytes.
std::string Quoted(const std::string& text);

// A whole number as JSON Schema counts one: an integer, or a number with no
// fraction ("6.0" is 6), within what a long long holds.
bool IsWholeNumber(const nlohmann::ordered_json& value);

class JsonFields {
public:
    using Json = nlohmann::ordered_json;

    // Fails when `value` is not an object.
    JsonFields(const Json& value, zorvik::Text place);

    // The value of a key; nothing (and the key counts as absent) when it is
    // missing or null.
    const Json* Find(const std::string& key);
    const Json& Require(const std::string& key);

    std::string String(const std::string& key);  // required
    std::string String(const std::string& key, const std::string& fallback);
    bool Flag(const std::string& key, bool fallback);
    double NonNegative(const std::string& key, double fallback);                  // finite, 0 or more
    double NonNegative(const std::string& key, double fallback, double highest);  // and at most `highest`
    int Whole(const std::string& key, int low, int high, int fallback);

    // Fails on any key that was not asked for: a key this version does not
    // know would otherwise be dropped without a word.
    void Done() const;

    // "Place: \"key\" what." - `what` in the chosen language ("is missing").
    [[noreturn]] void Fail(const std::string& key, const zorvik::Text& what) const;

    const zorvik::Text& Place() const { return place_; }
    // Once the object has told its name ("Item 3" becomes "Item 3 (\"B-101\")").
    void SetPlace(zorvik::Text place) { place_ = std::move(place); }

private:
    const Json& object_;
    zorvik::Text place_;
    std::set<std::string> read_;
};

}  // namespace zorvik::job
