// The body font kept in the main window's settings: style bits, colour and size.
#include "widgets/editor/FontSettings.h"

#include "model/settings/MainSettings.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace model::settings;
using namespace platform::registry;
using namespace widgets::editor;

TEST(FontSettings, StyleBitsColourAndSizeSurviveTheSettings)
{
    testing_support::TempDir folder;
    const RegistryFile store{folder / "registry.reg", {}};
    const auto load = [&](Settings& settings) {
        DeclareMainSettings(settings, [](const std::string& failure) { ADD_FAILURE() << failure; });
        StoredFont font;
        LoadFontSettings(settings, font);
        return font;
    };
    {
        Settings settings(store);
        StoredFont font = load(settings);
        EXPECT_EQ(font.Font.family() + " " + QString::number(font.Font.pointSize()), "Arial 10");

        font.Font.setFamily("Liberation Serif");
        font.Font.setPointSize(14);
        font.Font.setItalic(true);
        font.Font.setStrikeOut(true);
        font.Color = QColor(0, 0, 128);
        SaveFontSettings(settings, font);
        EXPECT_EQ(*settings.GetValue("FontStyle")->ToInteger(), 2 | 8);
        EXPECT_EQ(*settings.GetValue("FontColor")->ToInteger(), 0x800000) << "stored as 0x00BBGGRR";
    }
    Settings settings(store);
    const StoredFont font = load(settings);
    EXPECT_EQ(font.Font.family() + " " + QString::number(font.Font.pointSize()), "Liberation Serif 14");
    EXPECT_TRUE(font.Font.italic() && font.Font.strikeOut());
    EXPECT_FALSE(font.Font.underline());
    EXPECT_EQ(font.Color, QColor(0, 0, 128));
}
