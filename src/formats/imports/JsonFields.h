// Reading fields of JSON documents the importers take apart, without exceptions for what a
// source may lack.
#pragma once

#include "base/result/Result.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formats::imports {

// The document, or Damaged naming the file and where the JSON goes wrong.
base::result::Result<nlohmann::json> ParseJson(std::string_view text, const std::string& fileName);

std::optional<std::string> StringField(const nlohmann::json& object, const char* name);
std::optional<bool> BoolField(const nlohmann::json& object, const char* name);
// The field when it is an array; nullptr otherwise.
const nlohmann::json* ArrayField(const nlohmann::json& object, const char* name);
// The strings of an array field; other values in it are passed over.
std::vector<std::string> StringList(const nlohmann::json& object, const char* name);

} // namespace formats::imports
