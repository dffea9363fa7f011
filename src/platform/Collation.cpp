#include "platform/Collation.h"

#include "base/CodePage.h"
#include "platform/DiaryCodePage.h"

#include <QCollator>
#include <QString>

#include <unicode/ucol.h>

#include <utility>

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

// Makes the sort keys of CompareText's collator: ICU's keys of a collator set up as QCollator
// sets up its own (QCollator hands out no key bytes, and its keys for the C locale keep letter
// case); for the C locale, or when ICU has no collator for the locale, the case-folded UTF-16
// code units that QCollator then compares, high byte first.
class TKeyMaker {
public:
    TKeyMaker()
    {
        const QLocale locale;
        if (locale.language() == QLocale::C)
            return;
        UErrorCode status = U_ZERO_ERROR;
        const QByteArray name = locale.bcp47Name().toLatin1().replace('-', '_');
        collator_ = ucol_open(name.constData(), &status);
        if (U_FAILURE(status)) {
            collator_ = nullptr;
            return;
        }
        for (const auto& [attribute, value] :
             {std::pair{UCOL_NORMALIZATION_MODE, UCOL_ON}, std::pair{UCOL_STRENGTH, UCOL_SECONDARY},
              std::pair{UCOL_NUMERIC_COLLATION, UCOL_OFF},
              std::pair{UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE}}) {
            status = U_ZERO_ERROR;
            ucol_setAttribute(collator_, attribute, value, &status);
        }
    }
    ~TKeyMaker()
    {
        if (collator_ != nullptr)
            ucol_close(collator_);
    }
    TKeyMaker(const TKeyMaker&) = delete;
    TKeyMaker& operator=(const TKeyMaker&) = delete;

    std::string Key(const QString& text) const
    {
        return collator_ != nullptr ? CollatorKey(text) : FoldedKey(text);
    }

private:
    std::string CollatorKey(const QString& text) const
    {
        const auto* units = reinterpret_cast<const UChar*>(text.utf16());
        const auto length = static_cast<int32_t>(text.size());
        uint8_t buffer[256];
        int32_t size = ucol_getSortKey(collator_, units, length, buffer, sizeof buffer);
        if (size <= static_cast<int32_t>(sizeof buffer))
            return std::string(reinterpret_cast<const char*>(buffer), size > 0 ? size - 1 : 0);
        std::string key(static_cast<size_t>(size), '\0');
        size = ucol_getSortKey(collator_, units, length, reinterpret_cast<uint8_t*>(key.data()), size);
        key.resize(static_cast<size_t>(size - 1)); // without the terminating zero
        return key;
    }

    static std::string FoldedKey(const QString& text)
    {
        std::string key;
        key.reserve(static_cast<size_t>(text.size()) * 2);
        for (const QChar c : text) {
            const auto folded = static_cast<char16_t>(QChar::toCaseFolded(c.unicode()));
            key += static_cast<char>(folded >> 8);
            key += static_cast<char>(folded & 0xFF);
        }
        return key;
    }

    UCollator* collator_ = nullptr;
};

} // namespace

int CompareText(std::string_view a, std::string_view b)
{
    return Collator().compare(Decode(a), Decode(b));
}

std::string CollationKey(std::string_view text)
{
    // CompareText puts the empty text before every other, whatever the collator says.
    if (text.empty())
        return {};
    static const TKeyMaker maker;
    return maker.Key(Decode(text));
}

} // namespace platform
