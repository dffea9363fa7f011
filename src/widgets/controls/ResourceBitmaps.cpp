#include "widgets/controls/ResourceBitmaps.h"

#include <QGuiApplication>

// Q_INIT_RESOURCE declares its function in the global namespace, so it is called from there.
// The glyph pictures are compiled into a resource library by the asset generator; naming its
// initialiser here links it into every program that uses the widgets.
static void InitGlyphResources()
{
    Q_INIT_RESOURCE(glyphs);
}

namespace widgets::controls {

QImage ResourceBitmap(const QString& name)
{
    static const bool initialised = (InitGlyphResources(), true);
    (void)initialised;
    return SharpPicture(QStringLiteral(":/glyphs/%1.png").arg(name));
}

QImage SharpPicture(const QString& path)
{
    if (qGuiApp->devicePixelRatio() > 1 && path.endsWith(QLatin1String(".png"))) {
        QImage sharp(path.chopped(4) + QStringLiteral("@2x.png"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QImage(path);
}

QImage WithBottomLeftTransparent(const QImage& image)
{
    if (image.isNull())
        return image;
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
    }
    return keyed;
}

} // namespace widgets::controls
