// Test shorthands over the settings store: the program's key, values of the stored types, a
// document read from text, and the message of an expected failure.
#pragma once

#include "base/result/Result.h"
#include "platform/registry/RegFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace testing_support {

inline const std::string DbkKey = "HKEY_CURRENT_USER\\SOFTWARE\\Kestrine\\DBK";

inline platform::registry::RegData Sz(const std::string& text)
{
    return {platform::registry::RegType::String, text + '\0'};
}

inline platform::registry::RegData Dword(uint32_t value)
{
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(value >> (8 * i) & 0xFF);
    return {platform::registry::RegType::Dword, bytes};
}

// The document the text holds; an empty one, and a failed test, when it cannot be read.
inline platform::registry::RegDocument Parsed(const std::string& text)
{
    auto document = platform::registry::ParseRegText(text);
    EXPECT_TRUE(document.Ok()) << (document ? "" : document.Message());
    return document ? *document : platform::registry::RegDocument{};
}

// The message of a failure of the kind, or "(succeeded)".
template <class Value>
std::string FailureOf(const base::result::Result<Value>& outcome, base::result::Reason code)
{
    if (outcome)
        return "(succeeded)";
    EXPECT_EQ(outcome.Code(), code) << outcome.Message();
    return outcome.Message();
}

} // namespace testing_support
