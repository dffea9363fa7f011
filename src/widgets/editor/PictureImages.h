// The pictures of the day's body as images: decoding what a body holds (within a memory limit,
// a framed placeholder for what cannot be shown), and making pictures of new images and files.
#pragma once

#include "formats/rtf/RichText.h"
#include "base/result/Result.h"

#include <QImage>
#include <QString>

namespace widgets::editor {

// The most image memory one picture may take when it is decoded.
constexpr qint64 MaxDecodedPictureBytes = 128LL * 1024 * 1024;
// Files larger than this are not added to a body.
constexpr qint64 MaxPictureFileBytes = 20LL * 1024 * 1024;
// New pictures are scaled down to this many pixels on their longest side.
constexpr int MaxPictureSide = 1600;

// The decoded PNG or JPEG picture; a null image for other kinds and for data that is damaged or
// would take more than MaxDecodedPictureBytes.
QImage DecodePicture(const formats::rtf::Picture& picture);

// What the body shows for a picture: the decoded image, or a framed placeholder of its size.
QImage PictureImage(const formats::rtf::Picture& picture);

// A picture of an image, shown at its size in pixels: scaled down to MaxPictureSide, stored as
// PNG or as JPEG of quality 85, whichever is smaller.
formats::rtf::Picture PictureOfImage(const QImage& image);

// The open dialog's filter for the image files Qt's readers open.
QString PictureFileFilter();

// A picture of an image file; refused when the file is over 20 MB or no image.
base::result::Result<formats::rtf::Picture> PictureOfFile(const QString& path);

} // namespace widgets::editor
