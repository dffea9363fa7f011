#include "widgets/editor/DocumentPictures.h"

#include "widgets/editor/PictureObject.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

#include <atomic>

using formats::rtf::Picture;

Q_DECLARE_METATYPE(std::shared_ptr<const formats::rtf::Picture>)

namespace widgets::editor {

namespace {

constexpr int PictureProperty = QTextFormat::UserProperty + 1;
constexpr qreal TwipsPerPixel = 15.0;

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
