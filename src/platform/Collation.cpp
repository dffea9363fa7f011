#include "platform/Collation.h"

#include "base/CodePage.h"
#include "platform/DiaryCodePage.h"

#include <QCollator>
#include <QString>

namespace platform {

namespace {

QString Decode(std::string_view bytes)
{
    if (const auto* table = codepage::SingleByteTable(DiaryCodePage())) {
        QString text;
        text.reserve(static_cast<qsizetype>(bytes.size()));
        for (const char b : bytes) {
            const char32_t c = (*table)[static_cast<unsigned char>(b)];
            if (c < 0x10000)
                text += QChar(static_cast<char16_t>(c));
            else
                text += QString::fromUcs4(&c, 1);
        }
        return text;
    }
    const std::string utf8 = codepage::CodePageToUtf8(bytes, DiaryCodePage());
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

const QCollator& Collator()
{
    static const QCollator collator = [] {
        QCollator c{QLocale()};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

} // namespace

int CompareText(std::string_view a, std::string_view b)
{
    return Collator().compare(Decode(a), Decode(b));
}

} // namespace platform
