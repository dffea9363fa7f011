#include "widgets/editor/FontSettings.h"

#include "platform/locale/QtText.h"
#include "model/settings/Settings.h"
#include "widgets/controls/QtColors.h"

using model::look::RgbColor;
using model::settings::Settings;
using platform::locale::FromDiaryText;
using platform::locale::ToDiaryText;
using widgets::controls::FromQColor;
using widgets::controls::ToQColor;

namespace widgets::editor {

namespace {

enum StyleBit { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

} // namespace

void LoadFontSettings(const Settings& settings, StoredFont& font)
{
    font.Font.setFamily(FromDiaryText(settings.GetValue("FontName")->ToString()));
    font.Color = ToQColor(static_cast<RgbColor>(*settings.GetValue("FontColor")->ToInteger()), Qt::black);
    font.Font.setStyleHint(QFont::AnyStyle);
    font.Font.setFixedPitch(false);
    font.Charset = *settings.GetValue("FontCharset")->ToInteger();
    const int size = *settings.GetValue("FontSize")->ToInteger();
    if (size > 0)
        font.Font.setPointSize(size);
    const int style = *settings.GetValue("FontStyle")->ToInteger();
    font.Font.setBold((style & Bold) != 0);
    font.Font.setItalic((style & Italic) != 0);
    font.Font.setUnderline((style & Underline) != 0);
    font.Font.setStrikeOut((style & StrikeOut) != 0);
}

void SaveFontSettings(Settings& settings, const StoredFont& font)
{
    const std::string family = font.Font.family().toStdString();
    (void)settings.SetValue("FontName", ToDiaryText(font.Font.family()).value_or(family));
    (void)settings.SetValue("FontColor", static_cast<int32_t>(FromQColor(font.Color)));
    (void)settings.SetValue("FontCharset", static_cast<int32_t>(font.Charset));
    (void)settings.SetValue("FontSize",
                      static_cast<int32_t>(font.Font.pointSize() > 0 ? font.Font.pointSize() : 10));
    const int style = (font.Font.bold() ? Bold : 0) | (font.Font.italic() ? Italic : 0) |
                      (font.Font.underline() ? Underline : 0) | (font.Font.strikeOut() ? StrikeOut : 0);
    (void)settings.SetValue("FontStyle", static_cast<int32_t>(style));
}

} // namespace widgets::editor
