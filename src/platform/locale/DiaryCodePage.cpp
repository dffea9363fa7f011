#include "platform/locale/DiaryCodePage.h"

#include "base/text/CodePage.h"

#include <atomic>
#include <charconv>

namespace platform {

namespace {

std::atomic<int> runCodePage{1252};

} // namespace

int DiaryCodePage()
{
    return runCodePage.load(std::memory_order_relaxed);
}

bool SetDiaryCodePage(int codePage)
{
    if (!codepage::IsKnownCodePage(codePage))
        return false;
    runCodePage.store(codePage, std::memory_order_relaxed);
    return true;
}

int ChooseDiaryCodePage(std::string_view forced, std::string_view locale)
{
    int value = 0;
    const auto [end, error] = std::from_chars(forced.data(), forced.data() + forced.size(), value);
    if (error == std::errc() && end == forced.data() + forced.size() && codepage::IsKnownCodePage(value))
        return value;
    return codepage::CodePageForLocale(locale);
}

} // namespace platform
