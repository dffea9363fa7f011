// Helpers for the calendar widget tests: showing a calendar at a size, finding cells on
// screen, and painting it.
#pragma once

#include "widgets/calendar/MonthCalendar.h"

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QRect>
#include <QTest>

namespace calendartest {

// Declared before a calendar, so that its day names are built from English ones.
struct EnglishNames {
    EnglishNames() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

inline void ShowAt(widgets::controls::CellGrid& grid, int width, int height)
{
    grid.resize(width, height);
    grid.show();
    QApplication::processEvents();
}

// A cell's rectangle in widget coordinates (client coordinates plus the border).
inline QRect OnScreen(const widgets::controls::CellGrid& grid, int col, int row)
{
    return grid.CellRect(col, row).translated(grid.contentsRect().topLeft());
}

inline void ClickCell(widgets::controls::CellGrid& grid, int col, int row,
                      Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(&grid, button, {}, OnScreen(grid, col, row).center());
}

inline QImage Render(widgets::controls::CellGrid& grid)
{
    return grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace calendartest
