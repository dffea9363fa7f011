// Text crossing between the widgets (QString) and the stored 8-bit text of the diary code page.
#pragma once

#include <QString>

#include <optional>
#include <string>

namespace platform::locale {

QString FromDiaryText(const std::string& bytes);

// Nothing when the text holds a character the diary code page cannot store.
std::optional<std::string> ToDiaryText(const QString& text);

// Without the characters at or below the blank at either end, as names and passwords are kept.
QString TrimmedControls(const QString& text);

} // namespace platform::locale
