#include "base/text/CodePage.h"

#include <cerrno>
#include <cstdlib>
#include <iconv.h>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace base::text {

namespace {

bool IsDoubleByte(int codePage)
{
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
}

struct CharsetCodePage {
    int Charset;
    int CodePage;
};

constexpr CharsetCodePage CharsetCodePages[] = {
    {0, 1252},   {161, 1253}, {204, 1251}, {238, 1250}, {162, 1254}, {177, 1255}, {178, 1256},
    {186, 1257}, {163, 1258}, {222, 874},  {128, 932},  {134, 936},  {129, 949},  {136, 950},
};

std::string IconvName(int codePage)
{
    return "CP" + std::to_string(codePage);
}

// Runs iconv over the whole input. Without a replacement it fails on the first invalid or
// unconvertible sequence; with one, such a byte is replaced and skipped.
bool Convert(const char* to, const char* from, std::string_view input, std::string& output,
             std::string_view replacement = {})
{
    const iconv_t cd = ::iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    output.clear();
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[4096];
    bool ok = true;
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = ::iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer, sizeof buffer - outLeft);
        if (result != static_cast<size_t>(-1) || errno == E2BIG)
            continue;
        if (replacement.empty() || (errno != EILSEQ && errno != EINVAL)) {
            ok = false;
            break;
        }
        output += replacement;
        ++in;
        --inLeft;
        ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    if (ok) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        ::iconv(cd, nullptr, nullptr, &out, &outLeft);
        output.append(buffer, sizeof buffer - outLeft);
    }
    ::iconv_close(cd);
    return ok;
}

struct SingleByteCodePage {
    std::array<char32_t, 256> ToUnicode{};
    std::unordered_map<char32_t, unsigned char> FromUnicode;
};

const SingleByteCodePage* SingleByte(int codePage)
{
    static std::mutex mutex;
    static std::map<int, std::unique_ptr<SingleByteCodePage>> cache;
    const std::lock_guard lock(mutex);
    if (const auto found = cache.find(codePage); found != cache.end())
        return found->second.get();

    std::unique_ptr<SingleByteCodePage> table;
    if (!IsDoubleByte(codePage)) {
        const iconv_t probe = ::iconv_open("UTF-8", IconvName(codePage).c_str());
        if (probe != reinterpret_cast<iconv_t>(-1)) {
            ::iconv_close(probe);
            table = std::make_unique<SingleByteCodePage>();
            for (int b = 0; b < 256; ++b) {
                const char byte = static_cast<char>(b);
                std::string utf8;
                char32_t c = static_cast<char32_t>(b);
                if (Convert("UTF-8", IconvName(codePage).c_str(), std::string_view(&byte, 1), utf8) &&
                    !utf8.empty()) {
                    size_t i = 0;
                    c = NextUtf8(utf8, i);
                }
                table->ToUnicode[static_cast<size_t>(b)] = c;
                table->FromUnicode.emplace(c, static_cast<unsigned char>(b));
            }
        }
    }
    return cache.emplace(codePage, std::move(table)).first->second.get();
}

} // namespace

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t NextUtf8(std::string_view text, size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + static_cast<size_t>(extra) > text.size())
        return 0xFFFD;
    char32_t c = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return 0xFFFD;
        c = c << 6 | (next & 0x3F);
        ++i;
    }
    return c;
}

int CodePageForLocale(std::string_view locale)
{
    const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    const std::string_view territory =
        locale.find('_') == std::string_view::npos ? std::string_view() : locale.substr(locale.find('_') + 1, 2);
    static const std::map<std::string_view, int> byLanguage{
        {"cs", 1250}, {"pl", 1250}, {"hu", 1250}, {"sk", 1250}, {"sl", 1250}, {"hr", 1250}, {"ro", 1250},
        {"sq", 1250}, {"bs", 1250}, {"ru", 1251}, {"uk", 1251}, {"bg", 1251}, {"be", 1251}, {"sr", 1251},
        {"mk", 1251}, {"kk", 1251}, {"ky", 1251}, {"tt", 1251}, {"mn", 1251}, {"el", 1253}, {"tr", 1254},
        {"az", 1254}, {"uz", 1254}, {"he", 1255}, {"iw", 1255}, {"ar", 1256}, {"fa", 1256}, {"ur", 1256},
        {"et", 1257}, {"lv", 1257}, {"lt", 1257}, {"vi", 1258}, {"th", 874},  {"ja", 932},  {"ko", 949},
    };
    if (language == "zh")
        return territory == "TW" || territory == "HK" || territory == "MO" ? 950 : 936;
    const auto found = byLanguage.find(language);
    return found == byLanguage.end() ? 1252 : found->second;
}

bool IsKnownCodePage(int codePage)
{
    return IsDoubleByte(codePage) || SingleByte(codePage) != nullptr;
}

const std::array<char32_t, 256>* SingleByteTable(int codePage)
{
    const SingleByteCodePage* table = SingleByte(codePage);
    return table == nullptr ? nullptr : &table->ToUnicode;
}

int CodePageForCharset(int charset, int fallback)
{
    for (const auto& pair : CharsetCodePages)
        if (pair.Charset == charset && charset != 0)
            return pair.CodePage;
    return fallback;
}

int CharsetForCodePage(int codePage)
{
    for (const auto& pair : CharsetCodePages)
        if (pair.CodePage == codePage)
            return pair.Charset;
    return 0;
}

bool IsDoubleByteCodePage(int codePage)
{
    return IsDoubleByte(codePage);
}

std::string CodePageToUtf8(std::string_view bytes, int codePage)
{
    std::string out;
    if (const SingleByteCodePage* table = SingleByte(codePage)) {
        out.reserve(bytes.size());
        for (const char b : bytes)
            AppendUtf8(out, table->ToUnicode[static_cast<unsigned char>(b)]);
        return out;
    }
    Convert("UTF-8", IconvName(codePage).c_str(), bytes, out, "\xEF\xBF\xBD");
    return out;
}

std::optional<std::string> Utf8ToCodePage(std::string_view utf8, int codePage)
{
    std::string out;
    if (const SingleByteCodePage* table = SingleByte(codePage)) {
        out.reserve(utf8.size());
        for (size_t i = 0; i < utf8.size();) {
            const auto found = table->FromUnicode.find(NextUtf8(utf8, i));
            if (found == table->FromUnicode.end())
                return std::nullopt;
            out += static_cast<char>(found->second);
        }
        return out;
    }
    if (!Convert(IconvName(codePage).c_str(), "UTF-8", utf8, out))
        return std::nullopt;
    return out;
}

} // namespace base::text
