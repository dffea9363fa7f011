#include "widgets/controls/SkinPictures.h"

#include "formats/resources/JpegDecoder.h"
#include "formats/resources/PackedResources.h"

using formats::resources::DecodeJpeg;
using formats::resources::PackedResources;
using formats::resources::SkinItemName;

namespace widgets::controls {

QImage SkinPicture(PackedResources& store, int skin, SkinPart part)
{
    const std::string name = SkinItemName(skin, part == SkinPart::Top);
    if (store.Items().IndexOf(name) < 0)
        return {};
    const auto image = DecodeJpeg(store.ItemByName(name).DataStream().Bytes());
    if (!image)
        return {};
    return QImage(image->Rgb.data(), image->Width, image->Height, image->Width * 3, QImage::Format_RGB888).copy();
}

int SkinCount(const PackedResources& store)
{
    return static_cast<int>(store.Items().Count() / 2);
}

} // namespace widgets::controls
