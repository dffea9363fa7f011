#include "widgets/editor/PictureImages.h"

#include "formats/rtf/PictureGroup.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>

using base::result::Fail;
using base::result::Reason;
using base::result::Result;
using formats::rtf::DeclaredPixelSize;
using formats::rtf::Picture;
using formats::rtf::PictureKind;

namespace widgets::editor {

namespace {

constexpr int TwipsPerPixel = 15;
constexpr int JpegQuality = 85;

QSize ShownPixels(const Picture& picture)
{
    return QSize(std::max(1, picture.WidthTwips / TwipsPerPixel), std::max(1, picture.HeightTwips / TwipsPerPixel));
}

QImage Placeholder(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0xEE, 0xF0, 0xF6));
    QPainter painter(&image);
    painter.setPen(QColor(0x8C, 0x96, 0xA8));
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    painter.drawLine(0, 0, size.width() - 1, size.height() - 1);
    painter.drawLine(0, size.height() - 1, size.width() - 1, 0);
    return image;
}

QByteArray Encoded(const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    return writer.write(image) ? bytes : QByteArray();
}

} // namespace

QImage DecodePicture(const Picture& picture)
{
    const char* format = picture.Kind == PictureKind::Png ? "png" : picture.Kind == PictureKind::Jpeg ? "jpeg" : nullptr;
    if (format == nullptr)
        return {};
    // The header's size decides before any pixel is decoded.
    const auto declared = DeclaredPixelSize(picture.Kind, picture.Data);
    if (!declared || 4LL * declared->Width * declared->Height > MaxDecodedPictureBytes)
        return {};
    QByteArray bytes = QByteArray::fromRawData(picture.Data.data(), static_cast<qsizetype>(picture.Data.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAllocationLimit(static_cast<int>(MaxDecodedPictureBytes / (1024 * 1024)));
    reader.setAutoTransform(true);
    QImage image;
    if (!reader.read(&image))
        return {};
    return image;
}

QImage PictureImage(const Picture& picture)
{
    QImage image = DecodePicture(picture);
    return image.isNull() ? Placeholder(ShownPixels(picture)) : image;
}

Picture PictureOfImage(const QImage& source)
{
    QImage image = source;
    if (std::max(image.width(), image.height()) > MaxPictureSide)
        image = image.scaled(MaxPictureSide, MaxPictureSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QByteArray png = Encoded(image, "png", -1);
    // JPEG has no transparency: what is transparent shows the white of the page.
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter(&opaque).drawImage(0, 0, image);
    const QByteArray jpeg = Encoded(opaque, "jpeg", JpegQuality);
    const bool jpegSmaller = !jpeg.isEmpty() && (png.isEmpty() || jpeg.size() < png.size());
    const QByteArray& chosen = jpegSmaller ? jpeg : png;
    Picture picture;
    picture.Kind = jpegSmaller ? PictureKind::Jpeg : PictureKind::Png;
    picture.Data.assign(chosen.constData(), static_cast<size_t>(chosen.size()));
    picture.WidthTwips = image.width() * TwipsPerPixel;
    picture.HeightTwips = image.height() * TwipsPerPixel;
    return picture;
}

QString PictureFileFilter()
{
    QStringList patterns;
    for (const QByteArray& suffix : QImageReader::supportedImageFormats())
        patterns.push_back("*." + QString::fromLatin1(suffix));
    return QStringLiteral("Pictures (%1);;All files (*)").arg(patterns.join(' '));
}

Result<Picture> PictureOfFile(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return Fail(Reason::Missing, "The picture file could not be read.");
    if (file.size() > MaxPictureFileBytes)
        return Fail(Reason::Refused, "The picture is larger than 20 MB and cannot be added to the diary.");
    QImageReader reader(path);
    reader.setAllocationLimit(static_cast<int>(MaxDecodedPictureBytes / (1024 * 1024)));
    reader.setAutoTransform(true);
    // A large photograph is decoded at the size it is kept at (JPEG decodes scaled, in less memory).
    if (const QSize size = reader.size(); size.isValid() && std::max(size.width(), size.height()) > MaxPictureSide)
        reader.setScaledSize(size.scaled(MaxPictureSide, MaxPictureSide, Qt::KeepAspectRatio));
    QImage image;
    if (!reader.read(&image))
        return Fail(Reason::Damaged, "The file is not a picture the diary can show.");
    return PictureOfImage(image);
}

} // namespace widgets::editor
