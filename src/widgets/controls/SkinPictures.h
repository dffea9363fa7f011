// The skin pictures of the packed resource store as images: skin n's top strip ("u") or its
// background ("d"), decoded from JPEG. Windows stretch them over their areas.
#pragma once

#include <QImage>

namespace formats::resources {
class PackedResources;
} // namespace formats::resources

namespace widgets::controls {

enum class SkinPart { Top, Background };

// The decoded picture; a null image when the store has no such item or it does not decode.
QImage SkinPicture(formats::resources::PackedResources& store, int skin, SkinPart part);

// The number of skins the store holds: its item count halved, any remainder dropped.
int SkinCount(const formats::resources::PackedResources& store);

} // namespace widgets::controls
