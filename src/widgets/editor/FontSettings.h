// The stored font of the day's title and body: name, colour, character set, size in points
// and style bits (1 bold, 2 italic, 4 underline, 8 strike-out), kept in the main window's
// settings as FontName, FontColor, FontCharset, FontSize and FontStyle.
#pragma once

#include <QColor>
#include <QFont>

namespace model::settings {
class Settings;
} // namespace model::settings

namespace widgets::editor {

struct StoredFont {
    QFont Font;
    QColor Color = Qt::black;
    int Charset = 1; // the font's character set as stored; text itself is Unicode here
};

// Reads the five settings into font (its other properties are kept; pitch set to default).
void LoadFontSettings(const model::settings::Settings& settings, StoredFont& font);
// Writes the five settings from font.
void SaveFontSettings(model::settings::Settings& settings, const StoredFont& font);

} // namespace widgets::editor
