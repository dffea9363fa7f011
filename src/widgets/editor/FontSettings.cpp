#include "widgets/editor/FontSettings.h"

#include "platform/locale/QtText.h"
#include "model/settings/Settings.h"
#include "widgets/controls/QtColors.h"

namespace editor {

namespace {

enum StyleBits { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

} // namespace

void LoadFontSettings(const Settings& settings, StoredFont& Font)
{
    Font.Font.setFamily(platform::FromDiaryText(settings.GetValue("FontName")->ToString()));
    Font.Color = widgets::ToQColor(static_cast<widgets::RgbColor>(*settings.GetValue("FontColor")->ToInteger()), Qt::black);
    Font.Font.setStyleHint(QFont::AnyStyle);
    Font.Font.setFixedPitch(false);
    Font.Charset = *settings.GetValue("FontCharset")->ToInteger();
    const int size = *settings.GetValue("FontSize")->ToInteger();
    if (size > 0)
        Font.Font.setPointSize(size);
    const int style = *settings.GetValue("FontStyle")->ToInteger();
    Font.Font.setBold((style & fsBold) != 0);
    Font.Font.setItalic((style & fsItalic) != 0);
    Font.Font.setUnderline((style & fsUnderline) != 0);
    Font.Font.setStrikeOut((style & fsStrikeOut) != 0);
}

void SaveFontSettings(Settings& settings, const StoredFont& Font)
{
    const std::string family = Font.Font.family().toStdString();
    (void)settings.SetValue("FontName", platform::ToDiaryText(Font.Font.family()).value_or(family));
    (void)settings.SetValue("FontColor", static_cast<int32_t>(widgets::FromQColor(Font.Color)));
    (void)settings.SetValue("FontCharset", static_cast<int32_t>(Font.Charset));
    (void)settings.SetValue("FontSize", static_cast<int32_t>(Font.Font.pointSize() > 0 ? Font.Font.pointSize() : 10));
    const int style = (Font.Font.bold() ? fsBold : 0) | (Font.Font.italic() ? fsItalic : 0) |
                      (Font.Font.underline() ? fsUnderline : 0) | (Font.Font.strikeOut() ? fsStrikeOut : 0);
    (void)settings.SetValue("FontStyle", static_cast<int32_t>(style));
}

} // namespace editor
