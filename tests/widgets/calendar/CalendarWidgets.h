// Helpers for the calendar widget tests: showing a calendar at a size, finding cells on
// screen, and looking at the pixels it painted.
#pragma once

#include "widgets/calendar/MonthCalendar.h"

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QRect>
#include <QTest>

#include <optional>

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

inline bool HasPixel(const QImage& image, const QRect& area, QColor colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

// Pixels that are neither the background nor anti-aliased towards it by much: the text.
inline std::optional<QRect> TextBox(const QImage& image, const QRect& area, QColor background)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int distance = std::abs(c.red() - background.red()) +
                                 std::abs(c.green() - background.green()) +
                                 std::abs(c.blue() - background.blue());
            if (distance > 200)
                box = box.united(QRect(x, y, 1, 1));
        }
    return box.isNull() ? std::nullopt : std::optional<QRect>(box);
}

} // namespace calendartest
