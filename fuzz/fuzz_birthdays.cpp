// links: daybrook_model_birthdays daybrook_formats_birthdays
// The birthday list's stream reader on hostile bytes: it must never crash, and whatever it
// reads whole must be written back as a stream that reads as the same entries.
#include "formats/birthdays/BirthdayStream.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const birthdays::StreamContent content = birthdays::ReadEntryStream(bytes, 1252);
    if (!content.Status)
        return 0;
    birthdays::EntryStreamWriter writer(1252);
    for (const auto& entry : content.Entries)
        writer.Add(entry);
    const birthdays::StreamContent again = birthdays::ReadEntryStream(writer.Finish(), 1252);
    if (!again.Status || again.Entries != content.Entries)
        std::abort();
    return 0;
}
