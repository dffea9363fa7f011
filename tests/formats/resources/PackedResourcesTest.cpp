#include "formats/resources/PackedResources.h"

#include "formats/resources/JpegDecoder.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace base::result;
using namespace formats::resources;

namespace {

std::string Bytes(PackedItem& item)
{
    return item.DataStream().Bytes();
}

} // namespace

TEST(ResStore, ProgramStoreHoldsTheSkinsAndTheTemplateInOrder)
{
    PackedResources store;
    LoadProgramRessources(store);
    ASSERT_EQ(store.Items().Count(), 19u);
    for (int skin = 0; skin < 9; ++skin) {
        EXPECT_EQ(store.Items()[static_cast<size_t>(skin) * 2].Name(), SkinItemName(skin, true));
        EXPECT_EQ(store.Items()[static_cast<size_t>(skin) * 2 + 1].Name(), SkinItemName(skin, false));
    }
    EXPECT_EQ(SkinItemName(12, false), "skin12d.jpg");
    const std::string rtf = Bytes(store.ItemByName("TemplateDiary"));
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1253"));
    EXPECT_EQ(rtf.find('@'), std::string::npos) << "an @ would split the record it becomes";
}

TEST(ResStore, SkinsAreBaselineJfifOfTheirSizes)
{
    PackedResources store;
    LoadProgramRessources(store);
    for (int skin = 0; skin < 9; ++skin) {
        for (const bool top : {true, false}) {
            const std::string name = SkinItemName(skin, top);
            const std::string jpeg = Bytes(store.ItemByName(name));
            EXPECT_EQ(jpeg.substr(0, 4), "\xFF\xD8\xFF\xE0") << name;
            EXPECT_EQ(jpeg.substr(6, 5), std::string("JFIF\0", 5)) << name;
            EXPECT_NE(jpeg.find("\xFF\xC0"), std::string::npos) << name << ": not baseline";
            EXPECT_EQ(jpeg.find("\xFF\xC2"), std::string::npos) << name << ": progressive";

            const auto image = DecodeJpeg(jpeg);
            ASSERT_TRUE(image.has_value()) << name;
            EXPECT_EQ(std::pair(image->Width, image->Height), std::pair(500, top ? 60 : 300)) << name;
        }
    }
}

TEST(ResStore, LooksUpNamesWithoutRegardToLetterCase)
{
    PackedResources store;
    LoadProgramRessources(store);
    EXPECT_EQ(store.IndexOf("SKIN00U.JPG"), 0);
    EXPECT_EQ(&store.ItemByName("Skin08D.jpg"), &store.Items()[17]);
    EXPECT_EQ(store.IndexOf("skin09u.jpg"), -1);
    EXPECT_THROW((void)store.ItemByName("skin09u.jpg"), std::out_of_range)
        << "a name the store lacks is the caller's error";
}

TEST(ResStore, RefusesADuplicateNameButAllowsItsOwn)
{
    PackedResources store;
    PackedItem& first = store.Items().Add();
    ASSERT_TRUE(first.SetName("one").Ok());
    PackedItem& second = store.Items().Add();
    ASSERT_TRUE(second.SetName("two").Ok());
    const Status taken = second.SetName("ONE");
    EXPECT_EQ(taken.Code(), Reason::Refused);
    EXPECT_EQ(taken.Message(), "Le nom \"ONE\" est d\xE9j\xE0 utilis\xE9 !");
    EXPECT_EQ(second.Name(), "two");
    EXPECT_TRUE(second.SetName("TWO").Ok()) << "its own name in other letters";
}

TEST(ResStore, DataStreamStartsAtTheBeginning)
{
    PackedResources store;
    PackedItem& item = store.Items().Add();
    ASSERT_TRUE(item.SetName("name").Ok());
    item.SetData("abc");
    uint8_t byte;
    item.DataStream().Read(&byte, 1);
    EXPECT_EQ(item.DataStream().Position(), 0u);
}

TEST(JpegDecoder, RefusesWhatIsNotAJpeg)
{
    EXPECT_FALSE(DecodeJpeg("").has_value());
    EXPECT_FALSE(DecodeJpeg("not a picture at all").has_value());
    PackedResources store;
    LoadProgramRessources(store);
    const std::string jpeg = Bytes(store.ItemByName("skin00d.jpg"));
    EXPECT_FALSE(DecodeJpeg(jpeg.substr(0, 100)).has_value());
}
