#include "windows/tools/ToolsGlyphs.h"

#include "widgets/controls/ResourceBitmaps.h"

#include <QString>

using widgets::controls::SharpPicture;

// Q_INIT_RESOURCE declares its function in the global namespace, so it is called from there.
// The pictures live in a resource library of their own; naming its initialiser here links it
// into every program that uses these windows.
static void InitOptionsGlyphs()
{
    Q_INIT_RESOURCE(optionsglyphs);
}

namespace windows::tools {

QImage OptionsGlyph(const char* name)
{
    static const bool initialised = (InitOptionsGlyphs(), true);
    (void)initialised;
    return SharpPicture(QStringLiteral(":/optionsglyphs/%1.png").arg(QLatin1String(name)));
}

} // namespace windows::tools
