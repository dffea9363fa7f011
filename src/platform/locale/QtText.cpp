#include "platform/locale/QtText.h"

#include "base/text/CodePage.h"
#include "platform/locale/DiaryCodePage.h"

using base::text::CodePageToUtf8;
using base::text::Utf8ToCodePage;

namespace platform::locale {

QString FromDiaryText(const std::string& bytes)
{
    return QString::fromStdString(CodePageToUtf8(bytes, DiaryCodePage()));
}

std::optional<std::string> ToDiaryText(const QString& text)
{
    return Utf8ToCodePage(text.toStdString(), DiaryCodePage());
}

QString TrimmedControls(const QString& text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text[first].unicode() <= ' ')
        ++first;
    while (last > first && text[last - 1].unicode() <= ' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace platform::locale
