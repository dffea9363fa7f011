#include "widgets/editor/DocumentPictures.h"

#include "widgets/editor/PictureImages.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <QTextObjectInterface>

#include <atomic>

using formats::rtf::Picture;

Q_DECLARE_METATYPE(std::shared_ptr<const formats::rtf::Picture>)

namespace widgets::editor {

namespace {

constexpr int PictureProperty = QTextFormat::UserProperty + 1;
constexpr qreal TwipsPerPixel = 15.0;
constexpr qreal DefaultDpi = 96.0;

// Draws the document's images: pictures of the body and any other image the document holds.
class PictureObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    explicit PictureObject(QObject* parent) : QObject(parent) {}

    QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat& format) override
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

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int,
                    const QTextFormat& format) override
    {
        const QImage image = Image(*document, format.toImageFormat());
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawImage(rect, image);
        painter->restore();
    }

private:
    // The image of the format, decoded on first use and kept as the document's resource.
    static QImage Image(QTextDocument& document, const QTextImageFormat& format)
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
};

} // namespace

QTextImageFormat PictureFormat(std::shared_ptr<const Picture> picture)
{
    static std::atomic<unsigned long long> counter{0};
    QTextImageFormat format;
    format.setName(QStringLiteral("daybrook-picture:%1").arg(++counter));
    format.setWidth(picture->WidthTwips / TwipsPerPixel);
    format.setHeight(picture->HeightTwips / TwipsPerPixel);
    format.setProperty(PictureProperty, QVariant::fromValue(std::move(picture)));
    return format;
}

std::shared_ptr<const Picture> PictureOf(const QTextFormat& format)
{
    const QVariant value = format.property(PictureProperty);
    return value.canConvert<std::shared_ptr<const Picture>>() ? value.value<std::shared_ptr<const Picture>>() : nullptr;
}

void DrawPicturesToWidth(QTextDocument& document)
{
    document.documentLayout()->registerHandler(QTextFormat::ImageObject, new PictureObject(&document));
}

} // namespace widgets::editor

#include "DocumentPictures.moc"
