#include "formats/imports/JsonFields.h"

#include <algorithm>

using base::result::Fail;
using base::result::Reason;
using base::result::Result;
using nlohmann::json;

namespace formats::imports {

Result<json> ParseJson(std::string_view text, const std::string& fileName)
{
    try {
        return json::parse(text);
    } catch (const json::parse_error& error) {
        const size_t at = std::min<size_t>(error.byte > 0 ? error.byte - 1 : 0, text.size());
        const auto line = std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n') + 1;
        return Fail(Reason::Damaged, fileName + ": not valid JSON (line " + std::to_string(line) + ")");
    }
}

std::optional<std::string> StringField(const json& object, const char* name)
{
    if (!object.is_object())
        return std::nullopt;
    const auto found = object.find(name);
    if (found == object.end() || !found->is_string())
        return std::nullopt;
    return found->get<std::string>();
}

std::optional<bool> BoolField(const json& object, const char* name)
{
    if (!object.is_object())
        return std::nullopt;
    const auto found = object.find(name);
    if (found == object.end() || !found->is_boolean())
        return std::nullopt;
    return found->get<bool>();
}

const json* ArrayField(const json& object, const char* name)
{
    if (!object.is_object())
        return nullptr;
    const auto found = object.find(name);
    return found != object.end() && found->is_array() ? &*found : nullptr;
}

std::vector<std::string> StringList(const json& object, const char* name)
{
    std::vector<std::string> strings;
    if (const json* array = ArrayField(object, name))
        for (const auto& value : *array)
            if (value.is_string())
                strings.push_back(value.get<std::string>());
    return strings;
}

} // namespace formats::imports
