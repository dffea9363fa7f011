#include "widgets/editor/FontSettings.h"

#include "model/settings/Settings.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace model::settings;
using namespace platform::registry;
using namespace widgets::editor;

namespace {

void DeclareFont(Settings& reger)
{
    reger.Key = "SOFTWARE\\Kestrine\\DBK";
    ASSERT_TRUE(reger.Declare({"FontName", SettingsValueType::String, "Arial"}));
    ASSERT_TRUE(reger.Declare({"FontColor", SettingsValueType::Integer, "0"}));
    ASSERT_TRUE(reger.Declare({"FontCharset", SettingsValueType::Integer, "1"}));
    ASSERT_TRUE(reger.Declare({"FontSize", SettingsValueType::Integer, "10"}));
    ASSERT_TRUE(reger.Declare({"FontStyle", SettingsValueType::Integer, "0"}));
}

} // namespace

TEST(FontSettings, StyleBitsColourAndSizeSurviveTheSettings)
{
    testing_support::TempDir folder;
    const RegistryFile store{folder / "registry.reg", {}};
    {
        Settings reger(store);
        DeclareFont(reger);
        StoredFont font;
        LoadFontSettings(reger, font);
        EXPECT_EQ(font.Font.family(), "Arial");
        EXPECT_EQ(font.Font.pointSize(), 10);
        EXPECT_FALSE(font.Font.bold());
        EXPECT_EQ(font.Color, QColor(Qt::black));

        font.Font.setFamily("Liberation Serif");
        font.Font.setPointSize(14);
        font.Font.setItalic(true);
        font.Font.setStrikeOut(true);
        font.Color = QColor(0, 0, 128);
        SaveFontSettings(reger, font);
        EXPECT_EQ(*reger.GetValue("FontStyle")->ToInteger(), 2 | 8);
        EXPECT_EQ(*reger.GetValue("FontColor")->ToInteger(), 0x800000) << "stored as 0x00BBGGRR";
    }
    Settings reger(store);
    DeclareFont(reger);
    StoredFont font;
    LoadFontSettings(reger, font);
    EXPECT_EQ(font.Font.family(), "Liberation Serif");
    EXPECT_EQ(font.Font.pointSize(), 14);
    EXPECT_TRUE(font.Font.italic());
    EXPECT_TRUE(font.Font.strikeOut());
    EXPECT_FALSE(font.Font.underline());
    EXPECT_EQ(font.Color, QColor(0, 0, 128));
}
