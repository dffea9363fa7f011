#include "platform/locale/CharCase.h"

#include "base/text/CodePage.h"
#include "platform/locale/DiaryCodePage.h"

#include <QChar>
#include <QString>

#include <array>
#include <map>
#include <mutex>
#include <optional>

using base::text::CodePageToUtf8;
using base::text::SingleByteTable;
using base::text::Utf8ToCodePage;

namespace platform::locale {

namespace {

using ByteMap = std::array<unsigned char, 256>;

// For a single-byte code page: the byte each byte becomes; a letter whose capital has no place
// in the code page stays as it is.
ByteMap MakeUpperMap(const std::array<char32_t, 256>& toUnicode)
{
    std::map<char32_t, unsigned char> fromUnicode;
    for (int b = 0; b < 256; ++b)
        fromUnicode.emplace(toUnicode[static_cast<size_t>(b)], static_cast<unsigned char>(b));
    ByteMap map{};
    for (int b = 0; b < 256; ++b) {
        const auto found = fromUnicode.find(QChar::toUpper(toUnicode[static_cast<size_t>(b)]));
        map[static_cast<size_t>(b)] =
            found == fromUnicode.end() ? static_cast<unsigned char>(b) : found->second;
    }
    return map;
}

const ByteMap* SingleByteUpperMap()
{
    static std::mutex mutex;
    static std::map<int, std::optional<ByteMap>> cache;
    const std::lock_guard lock(mutex);
    const int codePage = DiaryCodePage();
    auto found = cache.find(codePage);
    if (found == cache.end()) {
        const auto* table = SingleByteTable(codePage);
        found = cache.emplace(codePage, table == nullptr ? std::nullopt : std::optional(MakeUpperMap(*table)))
                    .first;
    }
    return found->second ? &*found->second : nullptr;
}

} // namespace

std::string UpperCase(std::string_view text)
{
    if (const ByteMap* map = SingleByteUpperMap()) {
        std::string out(text);
        for (char& c : out)
            c = static_cast<char>((*map)[static_cast<unsigned char>(c)]);
        return out;
    }
    // Double-byte code pages: through Unicode, keeping the text as it was when the capitals do
    // not fit the code page.
    const int codePage = DiaryCodePage();
    const QString unicode = QString::fromStdString(CodePageToUtf8(text, codePage));
    const auto changed = Utf8ToCodePage(unicode.toUpper().toStdString(), codePage);
    return changed ? *changed : std::string(text);
}

} // namespace platform::locale
