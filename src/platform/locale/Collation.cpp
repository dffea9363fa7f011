#include "platform/locale/Collation.h"

#include "base/text/CodePage.h"
#include "platform/locale/DiaryCodePage.h"

#include <QCollator>
#include <QString>

#include <unicode/ucol.h>

#include <algorithm>
#include <array>
#include <utility>

using base::text::AppendUtf8;
using base::text::CodePageToUtf8;
using base::text::SingleByteTable;

namespace platform::locale {

namespace {

QString Decode(std::string_view bytes)
{
    if (const auto* table = SingleByteTable(DiaryCodePage())) {
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
    const std::string utf8 = CodePageToUtf8(bytes, DiaryCodePage());
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
// code units that QCollator then compares.
class KeyMaker {
public:
    KeyMaker()
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
    ~KeyMaker()
    {
        if (collator_ != nullptr)
            ucol_close(collator_);
    }
    KeyMaker(const KeyMaker&) = delete;
    KeyMaker& operator=(const KeyMaker&) = delete;

    std::string Key(std::string_view bytes)
    {
        const std::array<char16_t, 256>* units = UnitsOf(DiaryCodePage());
        if (units == nullptr || bytes.size() > ShortText) {
            const QString text = Decode(bytes);
            return Key(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                           static_cast<size_t>(text.size())));
        }
        char16_t buffer[ShortText];
        for (size_t i = 0; i < bytes.size(); ++i)
            buffer[i] = (*units)[static_cast<unsigned char>(bytes[i])];
        return Key(std::u16string_view(buffer, bytes.size()));
    }

private:
    // Texts up to this length are decoded on the stack.
    static constexpr size_t ShortText = 64;

    std::string Key(std::u16string_view text) const
    {
        return collator_ != nullptr ? CollatorKey(text) : FoldedKey(text);
    }

    // The UTF-16 unit of every byte of a single-byte code page; nothing for the others.
    const std::array<char16_t, 256>* UnitsOf(int codePage)
    {
        if (codePage != unitsCodePage_) {
            unitsCodePage_ = codePage;
            const auto* table = SingleByteTable(codePage);
            hasUnits_ = table != nullptr &&
                        std::all_of(table->begin(), table->end(), [](char32_t c) { return c < 0x10000; });
            if (hasUnits_)
                std::copy(table->begin(), table->end(), units_.begin());
        }
        return hasUnits_ ? &units_ : nullptr;
    }

    std::string CollatorKey(std::u16string_view text) const
    {
        const auto* units = reinterpret_cast<const UChar*>(text.data());
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

    // Each folded unit written as UTF-8 writes a code point: the bytes keep the units' order
    // and an ASCII letter takes one byte.
    static std::string FoldedKey(std::u16string_view text)
    {
        std::string key;
        key.reserve(text.size());
        for (const char16_t unit : text)
            AppendUtf8(key, QChar::toCaseFolded(unit));
        return key;
    }

    int unitsCodePage_ = 0;
    bool hasUnits_ = false;
    std::array<char16_t, 256> units_{};
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
    static KeyMaker maker;
    return maker.Key(text);
}

} // namespace platform::locale
