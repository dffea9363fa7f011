// The product's web page, which the tools and about windows open, and the caption the about
// window writes for it.
#pragma once

#include <QString>

namespace windows::tools {

inline const QString WebSiteAddress = QStringLiteral("https://daybrook.example.org/");

// The address in lower case without "http://" or "https://"; of an address with a path, the
// path after the first "/" (the host when the path is empty).
QString WebSiteCaption(const QString& address);

} // namespace windows::tools
