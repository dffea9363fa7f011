#include "editor/FontSettings.h"

#include "platform/QtText.h"
#include "settings/RegValues.h"
#include "widgets/QtColors.h"

namespace editor {

namespace {

enum TStyleBits { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

} // namespace

void LoadFontSettings(const TRegValues& Settings, TStoredFont& Font)
{
    Font.Font.setFamily(platform::FromDiaryText(Settings.GetValue("FontName").ToString()));
    Font.Color = widgets::ToQColor(static_cast<widgets::TColor>(Settings.GetValue("FontColor").ToInteger()), Qt::black);
    Font.Font.setStyleHint(QFont::AnyStyle);
    Font.Font.setFixedPitch(false);
    Font.Charset = Settings.GetValue("FontCharset").ToInteger();
    const int size = Settings.GetValue("FontSize").ToInteger();
    if (size > 0)
        Font.Font.setPointSize(size);
    const int style = Settings.GetValue("FontStyle").ToInteger();
    Font.Font.setBold((style & fsBold) != 0);
    Font.Font.setItalic((style & fsItalic) != 0);
    Font.Font.setUnderline((style & fsUnderline) != 0);
    Font.Font.setStrikeOut((style & fsStrikeOut) != 0);
}

void SaveFontSettings(TRegValues& Settings, const TStoredFont& Font)
{
    const std::string family = Font.Font.family().toStdString();
    Settings.SetValue("FontName", platform::ToDiaryText(Font.Font.family()).value_or(family));
    Settings.SetValue("FontColor", static_cast<int32_t>(widgets::FromQColor(Font.Color)));
    Settings.SetValue("FontCharset", static_cast<int32_t>(Font.Charset));
    Settings.SetValue("FontSize", static_cast<int32_t>(Font.Font.pointSize() > 0 ? Font.Font.pointSize() : 10));
    const int style = (Font.Font.bold() ? fsBold : 0) | (Font.Font.italic() ? fsItalic : 0) |
                      (Font.Font.underline() ? fsUnderline : 0) | (Font.Font.strikeOut() ? fsStrikeOut : 0);
    Settings.SetValue("FontStyle", static_cast<int32_t>(style));
}

} // namespace editor
