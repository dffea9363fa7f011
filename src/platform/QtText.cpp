#include "platform/QtText.h"

#include "platform/CodePage.h"

namespace platform {

QString FromDiaryText(const std::string& bytes)
{
    return QString::fromStdString(CodePageToUtf8(bytes));
}

std::optional<std::string> ToDiaryText(const QString& text)
{
    return Utf8ToCodePage(text.toStdString());
}

} // namespace platform
