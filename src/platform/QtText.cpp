#include "platform/QtText.h"

#include "base/CodePage.h"
#include "platform/DiaryCodePage.h"

namespace platform {

QString FromDiaryText(const std::string& bytes)
{
    return QString::fromStdString(codepage::CodePageToUtf8(bytes, DiaryCodePage()));
}

std::optional<std::string> ToDiaryText(const QString& text)
{
    return codepage::Utf8ToCodePage(text.toStdString(), DiaryCodePage());
}

} // namespace platform
