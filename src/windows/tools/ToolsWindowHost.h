// What the tools window asks of the main window, which owns the calendar and the editors.
#pragma once

#include "widgets/editor/FontSettings.h"

#include <functional>

struct ToolsWindowHost {
    // Shows the calendar's day again from DiaryText, without storing the editors first.
    std::function<void()> ReloadShownDay;
    // Refreshes the calendar's marks of the days with entries in the shown month.
    std::function<void()> UpdateActiveDays;
    // The body editor's current font.
    std::function<editor::StoredFont()> BodyFont;
    // Gives the font to the body editor and the title field.
    std::function<void(const editor::StoredFont&)> ApplyFont;
};
