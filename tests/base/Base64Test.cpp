// Base64 as RFC 4648 gives it, and text that is not Base64 refused.
#include "base/text/Base64.h"

#include <gtest/gtest.h>

using namespace base::text;

TEST(Base64, EncodesTheRfcVectorsAndReadsThemBack)
{
    const std::pair<const char*, const char*> vectors[] = {{"", ""},         {"f", "Zg=="},         {"fo", "Zm8="},
                                                           {"foo", "Zm9v"},  {"foob", "Zm9vYg=="},  {"fooba", "Zm9vYmE="},
                                                           {"foobar", "Zm9vYmFy"}};
    for (const auto& [bytes, text] : vectors) {
        EXPECT_EQ(ToBase64(bytes), text);
        EXPECT_EQ(FromBase64(text), bytes);
    }
    EXPECT_EQ(FromBase64("Zm9v\r\nYmFy"), "foobar");
    EXPECT_EQ(ToBase64(std::string("\xFF\x00\x80", 3)), "/wCA");
    for (const char* bad : {"Zm9v!", "Zg=a", "Z", "Zg==="})
        EXPECT_EQ(FromBase64(bad), std::nullopt) << bad;
}
