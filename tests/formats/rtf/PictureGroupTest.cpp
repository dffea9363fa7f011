#include "formats/rtf/PictureGroup.h"
#include "formats/rtf/RtfReader.h"
#include "formats/rtf/RtfWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace formats::rtf;

namespace {

// A 1 × 1 PNG file as hex, as the Windows control writes picture data.
const std::string PngHex = "89504e470d0a1a0a0000000d49484452000000010000000108060000001f15c489"
                           "0000000d4944415478da636460f85f0f0002870180eb47ba920000000049454e44ae426082";
// The start of a JPEG file of 128 × 64 pixels: SOI, an APP0 segment and a baseline frame header.
const std::string JpegHex = "ffd8ffe000104a46494600010100000100010000ffc0001108004000800301220002110103110"
                            "1";

// Pictures as Windows programs write them into a body, one group per kind.
struct WindowsPicture {
    const char* Name;
    std::string Group;
    PictureKind Kind;
    int WidthTwips;
    int HeightTwips;
};

std::vector<WindowsPicture> WindowsPictures()
{
    return {
        {"word processor pair",
         "{\\*\\shppict{\\pict{\\*\\picprop\\shplid1025{\\sp{\\sn shapeType}{\\sv 75}}}\\picscalex50\\picscaley50"
         "\\piccropl0\\piccropr0\\picw26\\pich26\\picwgoal3000\\pichgoal1500\\pngblip\\bliptag-1{\\*\\blipuid 0a}\r\n" +
             PngHex + "}}{\\nonshppict{\\pict\\picscalex50\\picscaley50\\picw26\\pich26\\picwgoal15\\pichgoal15"
                      "\\wmetafile8\\bliptag-1\r\n0100090000}}",
         PictureKind::Png, 1500, 750},
        {"rich edit png", "{\\pict\\wbmbitspixel24\\picw1\\pich1\\picwgoal600\\pichgoal450\\pngblip\r\n" + PngHex + "\r\n}",
         PictureKind::Png, 600, 450},
        {"jpeg without goal", "{\\pict\\jpegblip\\picw128\\pich64\r\n" + JpegHex + "}", PictureKind::Jpeg, 1920, 960},
        {"metafile", "{\\pict\\wmetafile8\\picw2540\\pich1270\\picwgoal1440\\pichgoal720\r\n010009000003}",
         PictureKind::Wmf, 1440, 720},
        {"enhanced metafile", "{\\pict\\emfblip\\picw2540\\pich2540\r\n0100000064}", PictureKind::Emf, 1440, 1440},
        {"device-independent bitmap", "{\\pict\\dibitmap0\\picw10\\pich20\\picwgoal150\\pichgoal300\r\n28000000}",
         PictureKind::Dib, 150, 300},
        {"device bitmap", "{\\pict\\wbitmap0\\picw4\\pich4\\picwgoal60\\pichgoal60 0000}", PictureKind::Bitmap, 60, 60},
        {"mac picture", "{\\pict\\macpict\\picw100\\pich50\\picwgoal1500\\pichgoal750 00ff}", PictureKind::Mac, 1500, 750},
    };
}

std::string WindowsBody(const std::string& group)
{
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
           "\\viewkind4\\uc1\\pard\\f0\\fs20 Before the picture\\par\r\n" +
           group + "\\par\r\nafter it\\par\r\n}\r\n";
}

std::vector<const Picture*> PicturesOf(const RichText& text)
{
    std::vector<const Picture*> pictures;
    for (const Paragraph& paragraph : text.Paragraphs)
        for (const TextRun& run : paragraph.Runs)
            if (run.Picture)
                pictures.push_back(run.Picture.get());
    return pictures;
}

std::string Unhex(std::string_view hex)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
    return bytes;
}

} // namespace

TEST(PictureGroup, WindowsPicturesOfEveryKindSurviveAnEditElsewhereByteForByte)
{
    for (const WindowsPicture& windows : WindowsPictures()) {
        SCOPED_TRACE(windows.Name);
        const std::string body = WindowsBody(windows.Group);
        RichText text = ReadRtf(body, 1252);
        const auto pictures = PicturesOf(text);
        ASSERT_EQ(pictures.size(), 1u);
        EXPECT_EQ(pictures[0]->Kind, windows.Kind);
        EXPECT_EQ(pictures[0]->WidthTwips, windows.WidthTwips);
        EXPECT_EQ(pictures[0]->HeightTwips, windows.HeightTwips);
        // The picture adds nothing to the text that titles and search see.
        EXPECT_EQ(PlainText(body, 1252), PlainText(WindowsBody(""), 1252));

        text.Paragraphs[0].Runs[0].Text += u" and a word";
        const std::string written = WriteRtf(text, 1252, CharFormat{"Arial", 20});
        EXPECT_NE(written.find(windows.Group), std::string::npos) << written;
        EXPECT_EQ(PlainText(written, 1252), "Before the picture and a word\n\nafter it");
    }
}

TEST(PictureGroup, PngDataIsDecodedFromTheShownHalfOfAPair)
{
    const RichText text = ReadRtf(WindowsBody(WindowsPictures()[0].Group), 1252);
    EXPECT_EQ(PicturesOf(text)[0]->Data, Unhex(PngHex));
    // Text typed right after a picture starts a run of its own.
    const RichText after = ReadRtf("{\\rtf1 {\\pict\\pngblip " + PngHex + "}x}", 1252);
    ASSERT_EQ(after.Paragraphs[0].Runs.size(), 2u);
    EXPECT_EQ(after.Paragraphs[0].Runs[1].Text, u"x");
    EXPECT_FALSE(after.Paragraphs[0].Runs[1].Picture);
}

TEST(PictureGroup, HeaderSizesOfPngAndJpeg)
{
    const auto png = DeclaredPixelSize(PictureKind::Png, Unhex(PngHex));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->Width, 1);
    const auto jpeg = DeclaredPixelSize(PictureKind::Jpeg, Unhex(JpegHex));
    ASSERT_TRUE(jpeg);
    EXPECT_EQ(jpeg->Width, 128);
    EXPECT_EQ(jpeg->Height, 64);
    EXPECT_FALSE(DeclaredPixelSize(PictureKind::Png, Unhex(PngHex).substr(0, 20)));
    EXPECT_FALSE(DeclaredPixelSize(PictureKind::Jpeg, Unhex(JpegHex).substr(0, 24)));
    EXPECT_FALSE(DeclaredPixelSize(PictureKind::Jpeg, Unhex("ffd8ffe00000")));
}

TEST(PictureGroup, DamagedGroupsKeepTheirPlaceWithinLimits)
{
    // Absurd goal sizes and scales are held to 22 inches; a missing size gives an inch.
    const RichText absurd = ReadRtf("{\\rtf1 {\\pict\\pngblip\\picwgoal2000000000\\pichgoal-5\\picscalex99999 00}}", 1252);
    const Picture& huge = *PicturesOf(absurd)[0];
    EXPECT_EQ(huge.WidthTwips, 22 * 1440);
    EXPECT_EQ(huge.HeightTwips, 1440);

    // Hex that never ends takes the rest of the body, and is written back closed so that the
    // body stays well formed.
    const std::string cut = "{\\rtf1 text{\\*\\shppict{\\pict\\pngblip 89504e47";
    const RichText text = ReadRtf(cut, 1252);
    ASSERT_EQ(PicturesOf(text).size(), 1u);
    EXPECT_EQ(PicturesOf(text)[0]->Source, "{\\*\\shppict{\\pict\\pngblip 89504e47}}");
    const std::string written = WriteRtf(text, 1252, CharFormat{"Arial", 20});
    EXPECT_EQ(PicturesOf(ReadRtf(written, 1252)).size(), 1u);
    EXPECT_EQ(PlainText(written, 1252), "text");
    // A twin separated from its first half is a picture of its own, and stays one.
    const RichText apart = ReadRtf("{\\rtf1 {\\*\\shppict{\\pict 00}}\\b{\\nonshppict{\\pict 01}}}", 1252);
    ASSERT_EQ(PicturesOf(apart).size(), 2u);
    EXPECT_EQ(PicturesOf(ReadRtf(WriteRtf(apart, 1252, CharFormat{"Arial", 20}), 1252)).size(), 2u);

    // A backslash at the very end would escape the closing brace.
    EXPECT_EQ(PicturesOf(ReadRtf(cut + "\\", 1252))[0]->Source, "{\\*\\shppict{\\pict\\pngblip 89504e47}}");
}

TEST(PictureGroup, GroupsTheRecordFormatCannotHoldAreWrittenAnew)
{
    // "@" separates the record's fields and raw \bin data may hold any byte: such groups are
    // written as hex, with the same data and size.
    for (const std::string& group : {std::string("{\\pict\\pngblip\\picwgoal300\\pichgoal300{\\*\\x a@@b}") + PngHex + "}",
                                    "{\\pict\\pngblip\\picwgoal300\\pichgoal300\\bin" +
                                        std::to_string(Unhex(PngHex).size()) + " " + Unhex(PngHex) + "}"}) {
        const RichText text = ReadRtf("{\\rtf1 " + group + "}", 1252);
        ASSERT_FALSE(IsStorableAsIs(PicturesOf(text)[0]->Source));
        const std::string written = WriteRtf(text, 1252, CharFormat{"Arial", 20});
        EXPECT_EQ(written.find('@'), std::string::npos);
        EXPECT_EQ(written.find("\\bin"), std::string::npos);
        const RichText reread = ReadRtf(written, 1252);
        const auto again = PicturesOf(reread);
        ASSERT_EQ(again.size(), 1u);
        EXPECT_EQ(again[0]->Data, Unhex(PngHex));
        EXPECT_EQ(again[0]->WidthTwips, 300);
        EXPECT_TRUE(IsStorableAsIs(again[0]->Source));
    }
}
