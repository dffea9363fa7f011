// links: daybrook_platform_registry daybrook_platform_locale daybrook_platform_environment
// The settings file parser on arbitrary text: it must never crash, and whatever it accepts must
// be written back as text that reads as the same document.
#include "platform/registry/RegFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using platform::registry::FormatRegText;
using platform::registry::ParseRegText;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto document = ParseRegText(text);
    if (!document)
        return 0;
    const std::string written = FormatRegText(*document);
    const auto again = ParseRegText(written);
    if (!again || FormatRegText(*again) != written)
        std::abort();
    return 0;
}
