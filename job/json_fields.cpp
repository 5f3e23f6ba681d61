#include "json_fields.h"

#include <cmath>
#include "fixed_format.h"
#include "text.h"

namespace zorvik::job {
namespace {

constexpr std::size_t kQuotedBytes = 40;

}  // namespace

std::string Quoted(const std::string& text) {
    std::string shown = text;
    if (shown.size() > kQuotedBytes) {
        std::size_t cut = kQuotedBytes;
        while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80) --cut;
        shown = shown.substr(0, cut) + "...";
    }
    return nlohmann::json(shown).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

JsonFields::JsonFields(const Json& value, zorvik::Text place) : object_(value), place_(std::move(place)) {
    if (!object_.is_object()) throw FileFault(Tr("Jobs", "%1 must be a JSON object.").With({place_}));
}

const JsonFields::Json* JsonFields::Find(const std::string& key) {
    read_.insert(key);
    const auto found = object_.find(key);
    return found == object_.end() || found->is_null() ? nullptr : &*found;
}

const JsonFields::Json& JsonFields::Require(const std::string& key) {
    const Json* value = Find(key);
    if (value == nullptr) Fail(key, Tr("Jobs", "is missing"));
    return *value;
}

std::string JsonFields::String(const std::string& key) {
    const Json& value = Require(key);
    if (!value.is_string()) Fail(key, Tr("Jobs", "must be a text"));
    return value.get<std::string>();
}

std::string JsonFields::String(const std::string& key, const std::string& fallback) {
    return Find(key) == nullptr ? fallback : String(key);
}

bool JsonFields::Flag(const std::string& key, bool fallback) {
    const Json* value = Find(key);
    if (value == nullptr) return fallback;
    if (!value->is_boolean()) Fail(key, Tr("Jobs", "must be true or false"));
    return value->get<bool>();
}

double JsonFields::NonNegative(const std::string& key, double fallback) {
    const Json* value = Find(key);
    if (value == nullptr) return fallback;
    const double number = value->is_number() ? value->get<double>() : -1;
    if (!std::isfinite(number) || number < 0) Fail(key, Tr("Jobs", "must be a number, 0 or more"));
    return number;
}

double JsonFields::NonNegative(const std::string& key, double fallback, double highest) {
    const double number = NonNegative(key, fallback);
    if (number > highest) Fail(key, Tr("Jobs", "must be %1 at the most").With({ShortestNumber(highest)}));
    return number;
}

bool IsWholeNumber(const nlohmann::ordered_json& value) {
    if (value.is_number_integer()) return true;
    if (!value.is_number_float()) return false;
    const double number = value.get<double>();
    return std::isfinite(number) && number == std::trunc(number) && std::fabs(number) < 9.0e18;
}

int JsonFields::Whole(const std::string& key, int low, int high, int fallback) {
    const Json* value = Find(key);
    if (value == nullptr) return fallback;
    const bool whole = IsWholeNumber(*value);
    const long long number = !whole                       ? 0
                             : value->is_number_integer() ? value->get<long long>()
                                                          : static_cast<long long>(value->get<double>());
    if (!whole || number < low || number > high)
        Fail(key, Tr("Jobs", "must be a whole number from %1 to %2").With({WholeNumber(low), WholeNumber(high)}));
    return static_cast<int>(number);
}

void JsonFields::Done() const {
    for (const auto& [key, value] : object_.items())
        if (read_.count(key) == 0)
            throw FileFault(
                Tr("Jobs", "%1: %2 is not a key this version of the program knows.").With({place_, Quoted(key)}));
}

void JsonFields::Fail(const std::string& key, const zorvik::Text& what) const {
    throw FileFault(Tr("Jobs", "%1: %2 %3.").With({place_, Quoted(key), what}));
}

}  // namespace zorvik::job
