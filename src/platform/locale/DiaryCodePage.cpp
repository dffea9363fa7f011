#include "platform/locale/DiaryCodePage.h"

#include "base/text/CodePage.h"

#include <atomic>
#include <charconv>

using base::text::CodePageForLocale;
using base::text::IsKnownCodePage;

namespace platform::locale {

namespace {

std::atomic<int> runCodePage{1252};

} // namespace

int DiaryCodePage()
{
    return runCodePage.load(std::memory_order_relaxed);
}

bool SetDiaryCodePage(int codePage)
{
    if (!IsKnownCodePage(codePage))
        return false;
    runCodePage.store(codePage, std::memory_order_relaxed);
    return true;
}

int ChooseDiaryCodePage(std::string_view forced, std::string_view locale)
{
    int value = 0;
    const auto [end, error] = std::from_chars(forced.data(), forced.data() + forced.size(), value);
    if (error == std::errc() && end == forced.data() + forced.size() && IsKnownCodePage(value))
        return value;
    return CodePageForLocale(locale);
}

} // namespace platform::locale
