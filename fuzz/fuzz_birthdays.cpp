// links: daybrook_model_birthdays daybrook_formats_birthdays
// The birthday list's stream reader on hostile bytes: it must never crash, and whatever it
// reads whole must be written back as a stream that reads as the same entries.
#include "formats/birthdays/BirthdayStream.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using formats::birthdays::EntryStreamWriter;
using formats::birthdays::ReadEntryStream;
using formats::birthdays::StreamContent;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const StreamContent content = ReadEntryStream(bytes, 1252);
    if (!content.Status)
        return 0;
    EntryStreamWriter writer(1252);
    for (const auto& entry : content.Entries)
        writer.Add(entry);
    const StreamContent again = ReadEntryStream(writer.Finish(), 1252);
    if (!again.Status || again.Entries != content.Entries)
        std::abort();
    return 0;
}
