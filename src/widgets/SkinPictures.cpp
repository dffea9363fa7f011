#include "widgets/SkinPictures.h"

#include "storage/JpegDecoder.h"
#include "storage/ResStore.h"

namespace widgets {

QImage SkinPicture(TRessourceStore& store, int skin, TSkinPart part)
{
    const std::string name = SkinItemName(skin, part == TSkinPart::Top);
    if (store.Items().IndexOf(name) < 0)
        return {};
    const auto image = DecodeJpeg(store.ItemByName(name).DataStream().Bytes());
    if (!image)
        return {};
    return QImage(image->rgb.data(), image->width, image->height, image->width * 3, QImage::Format_RGB888).copy();
}

int SkinCount(const TRessourceStore& store)
{
    return static_cast<int>(store.Items().Count() / 2);
}

} // namespace widgets
