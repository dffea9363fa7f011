// What the tools window asks of the main window, which owns the calendar and the editors.
#pragma once

#include "editor/FontSettings.h"

#include <functional>

struct TOptionsHost {
    // Shows the calendar's day again from DiaryText, without storing the editors first.
    std::function<void()> ReloadShownDay;
    // Refreshes the calendar's marks of the days with entries in the shown month.
    std::function<void()> UpdateActiveDays;
    // The body editor's current font.
    std::function<editor::TStoredFont()> BodyFont;
    // Gives the font to the body editor and the title field.
    std::function<void(const editor::TStoredFont&)> ApplyFont;
};
