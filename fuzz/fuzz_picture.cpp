// links: daybrook_widgets_editor
// Bodies with hostile pictures: the reader must find every picture group, write each one back
// as it was read (or anew when the record format cannot hold it), and decoding must never take
// more image memory than its limit. The input is also decoded as PNG and JPEG data as it is.
#include "widgets/editor/PictureImages.h"
#include "formats/rtf/PictureGroup.h"
#include "formats/rtf/RtfReader.h"
#include "formats/rtf/RtfWriter.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using formats::rtf::CharFormat;
using formats::rtf::IsStorableAsIs;
using formats::rtf::Picture;
using formats::rtf::PictureKind;
using formats::rtf::ReadRtf;
using formats::rtf::RichText;
using formats::rtf::WriteRtf;
using widgets::editor::DecodePicture;
using widgets::editor::MaxDecodedPictureBytes;

namespace {

std::vector<std::shared_ptr<const Picture>> PicturesOf(const RichText& text)
{
    std::vector<std::shared_ptr<const Picture>> pictures;
    for (const auto& paragraph : text.Paragraphs)
        for (const auto& run : paragraph.Runs)
            if (run.Picture)
                pictures.push_back(run.Picture);
    return pictures;
}

void DecodeWithinLimit(const Picture& picture)
{
    const QImage image = DecodePicture(picture);
    if (image.sizeInBytes() > MaxDecodedPictureBytes)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The image readers are plug-ins, which need the application object.
    static int argc = 1;
    static char name[] = "fuzz_picture";
    static char* argv[] = {name, nullptr};
    static const QCoreApplication application(argc, argv);

    const std::string input(reinterpret_cast<const char*>(data), size);
    const RichText text = ReadRtf(input, 1252);
    const auto pictures = PicturesOf(text);
    for (const auto& picture : pictures)
        DecodeWithinLimit(*picture);

    const RichText again = ReadRtf(WriteRtf(text, 1252, CharFormat{"Arial", 20}), 1252);
    const auto kept = PicturesOf(again);
    if (kept.size() != pictures.size())
        std::abort();
    for (size_t i = 0; i < kept.size(); ++i) {
        if (IsStorableAsIs(pictures[i]->Source) && kept[i]->Source != pictures[i]->Source)
            std::abort();
        if (kept[i]->Data != pictures[i]->Data)
            std::abort();
    }

    for (const PictureKind kind : {PictureKind::Png, PictureKind::Jpeg})
        DecodeWithinLimit(Picture{kind, 1440, 1440, input, {}});
    return 0;
}
