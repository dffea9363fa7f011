#include "windows/browse/BrowseGlyphs.h"

#include "widgets/controls/ResourceBitmaps.h"

#include <QString>

using widgets::controls::SharpPicture;

// Q_INIT_RESOURCE declares its function in the global namespace, so it is called from there.
// The pictures live in a resource library of their own; naming its initialiser here links it
// into every program that uses this window.
static void InitBrowseGlyphs()
{
    Q_INIT_RESOURCE(browseglyphs);
}

namespace windows::browse {

QImage BrowseGlyph(const char* name)
{
    static const bool initialised = (InitBrowseGlyphs(), true);
    (void)initialised;
    return SharpPicture(QStringLiteral(":/browseglyphs/%1.png").arg(QLatin1String(name)));
}

} // namespace windows::browse
