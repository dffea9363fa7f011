#include "platform/CharCase.h"

#include "platform/CodePage.h"

#include <QChar>
#include <QString>

#include <array>
#include <optional>
#include <map>
#include <mutex>

namespace platform {

namespace {

using ByteMap = std::array<unsigned char, 256>;

// For a single-byte code page: the byte each byte becomes; a letter whose other case has no
// place in the code page stays as it is.
ByteMap MakeByteMap(const std::array<char32_t, 256>& toUnicode, bool upper)
{
    std::map<char32_t, unsigned char> fromUnicode;
    for (int b = 0; b < 256; ++b)
        fromUnicode.emplace(toUnicode[static_cast<size_t>(b)], static_cast<unsigned char>(b));
    ByteMap map{};
    for (int b = 0; b < 256; ++b) {
        const char32_t c = toUnicode[static_cast<size_t>(b)];
        const char32_t mapped = upper ? QChar::toUpper(c) : QChar::toLower(c);
        const auto found = fromUnicode.find(mapped);
        map[static_cast<size_t>(b)] = found == fromUnicode.end() ? static_cast<unsigned char>(b) : found->second;
    }
    return map;
}

const ByteMap* SingleByteMap(bool upper)
{
    static std::mutex mutex;
    static std::map<std::pair<int, bool>, std::optional<ByteMap>> cache;
    const std::lock_guard lock(mutex);
    const int codePage = DiaryCodePage();
    auto found = cache.find({codePage, upper});
    if (found == cache.end()) {
        const auto* table = SingleByteTable(codePage);
        found = cache.emplace(std::pair{codePage, upper},
                              table == nullptr ? std::nullopt : std::optional(MakeByteMap(*table, upper)))
                    .first;
    }
    return found->second ? &*found->second : nullptr;
}

std::string ChangeCase(std::string_view text, bool upper)
{
    if (const ByteMap* map = SingleByteMap(upper)) {
        std::string out(text);
        for (char& c : out)
            c = static_cast<char>((*map)[static_cast<unsigned char>(c)]);
        return out;
    }
    // Double-byte code pages: through Unicode, keeping the text as it was when the changed
    // form does not fit the code page.
    const QString unicode = QString::fromStdString(CodePageToUtf8(text));
    const auto changed = Utf8ToCodePage((upper ? unicode.toUpper() : unicode.toLower()).toStdString());
    return changed ? *changed : std::string(text);
}

} // namespace

std::string UpperCase(std::string_view text)
{
    return ChangeCase(text, true);
}

std::string LowerCase(std::string_view text)
{
    return ChangeCase(text, false);
}

} // namespace platform
