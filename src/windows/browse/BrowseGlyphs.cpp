#include "windows/browse/BrowseGlyphs.h"

#include <QString>

// The pictures live in a resource library of their own; naming its initialiser here links it
// into every program that uses this window.
static void InitBrowseGlyphs()
{
    Q_INIT_RESOURCE(browseglyphs);
}

QImage BrowseGlyph(const char* name)
{
    static const bool initialised = (InitBrowseGlyphs(), true);
    (void)initialised;
    return QImage(QStringLiteral(":/browseglyphs/%1.png").arg(QLatin1String(name)));
}
