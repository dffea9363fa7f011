#include "widgets/editor/PictureObject.h"

#include "widgets/editor/DocumentPictures.h"
#include "widgets/editor/PictureImages.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

namespace widgets::editor {

namespace {

constexpr qreal DefaultDpi = 96.0;

} // namespace

QSizeF PictureObject::intrinsicSize(QTextDocument* document, int, const QTextFormat& format)
{
    const QTextImageFormat image = format.toImageFormat();
    QSizeF size(image.width(), image.height());
    if (size.isEmpty())
        size = Image(*document, image).size();
    if (const QPaintDevice* device = document->documentLayout()->paintDevice())
        size *= device->logicalDpiY() / DefaultDpi;
    const qreal width = document->textWidth() - 2 * document->documentMargin();
    if (width > 0 && size.width() > width)
        size = QSizeF(width, size.height() * width / size.width());
    return size;
}

void PictureObject::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int,
                               const QTextFormat& format)
{
    const QImage image = Image(*document, format.toImageFormat());
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(rect, image);
    painter->restore();
}

QImage PictureObject::Image(QTextDocument& document, const QTextImageFormat& format)
{
    const QUrl name(format.name());
    const QVariant kept = document.resource(QTextDocument::ImageResource, name);
    if (kept.canConvert<QImage>() && !kept.value<QImage>().isNull())
        return kept.value<QImage>();
    const auto picture = PictureOf(format);
    if (!picture)
        return {};
    const QImage image = PictureImage(*picture);
    document.addResource(QTextDocument::ImageResource, name, image);
    return image;
}

} // namespace widgets::editor
