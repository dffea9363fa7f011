#include "windows/tools/ToolsGlyphs.h"

#include <QString>

// The pictures live in a resource library of their own; naming its initialiser here links it
// into every program that uses these windows.
static void InitOptionsGlyphs()
{
    Q_INIT_RESOURCE(optionsglyphs);
}

QImage OptionsGlyph(const char* name)
{
    static const bool initialised = (InitOptionsGlyphs(), true);
    (void)initialised;
    return QImage(QStringLiteral(":/optionsglyphs/%1.png").arg(QLatin1String(name)));
}
