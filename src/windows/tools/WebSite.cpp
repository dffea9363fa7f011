#include "windows/tools/WebSite.h"

namespace windows::tools {

QString WebSiteCaption(const QString& address)
{
    QString caption = address.toLower();
    for (const QString& scheme : {QStringLiteral("http://"), QStringLiteral("https://")})
        if (caption.startsWith(scheme))
            caption.remove(0, scheme.size());
    const qsizetype slash = caption.indexOf('/');
    if (slash < 0)
        return caption;
    const QString path = caption.mid(slash + 1);
    return path.isEmpty() ? caption.left(slash) : path;
}

} // namespace windows::tools
