#include "windows/spell/SpellText.h"

#include "platform/locale/QtText.h"

#include <QTextDocument>

#include <unordered_map>

using platform::locale::ToDiaryText;

namespace windows::spell {

namespace {

constexpr char Separator = '\0';

char DiaryByte(QChar c)
{
    const auto bytes = ToDiaryText(QString(c));
    return bytes && bytes->size() == 1 ? (*bytes)[0] : Separator;
}

} // namespace

std::string SpellText(const QTextDocument& document)
{
    // The raw text has one character per document position (a paragraph break is U+2029).
    const QString text = document.toRawText();
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    std::unordered_map<char16_t, char> converted;
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            bytes += static_cast<char>(c.unicode());
            continue;
        }
        auto [place, added] = converted.try_emplace(c.unicode());
        if (added)
            place->second = DiaryByte(c);
        bytes += place->second;
    }
    return bytes;
}

} // namespace windows::spell
