// Shorthands for window tests: controls found by object name, modal windows driven from inside
// their own event loop, clicks as the platform delivers them, and settings written beforehand.
#pragma once

#include "support/TestFiles.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

namespace testing_support {

// The child of the window with that object name; the test fails when there is none.
template <typename T = QWidget> T& Child(const QObject& window, const char* name)
{
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr)
        throw std::runtime_error(std::string("no control named ") + name);
    return *control;
}

inline void ClickChild(const QObject& window, const char* name)
{
    QTest::mouseClick(&Child(window, name), Qt::LeftButton);
}

// Runs act on the next modal window of type T once it is open; the test fails if none opens.
template <typename T> void WhenModalOpens(std::function<void(T&)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr) << "no modal window is open";
        act(*window);
    });
}

// Does inside once the dialog, executed next, is up and active; rejects it afterwards if
// inside left it open.
inline void WhileRunning(QDialog& window, std::function<void()> inside)
{
    QTimer::singleShot(0, &window, [&window, inside = std::move(inside)] {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        inside();
        if (window.isVisible())
            window.reject();
    });
}

// A double click as the platform delivers it: a click, then the second press as a double click.
inline void DoubleClickAt(QWidget* widget, QPoint point)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, point);
}

// The centre of the cell showing the day in a month calendar, in the calendar's coordinates.
template <class Calendar> QPoint DayCellCentre(const Calendar& calendar, int day)
{
    for (int row = calendar.FixedRows(); row < calendar.RowCount(); ++row)
        for (int col = 0; col < calendar.ColCount(); ++col)
            if (calendar.CellDay(col, row) == day)
                return calendar.CellRect(col, row).center() + calendar.contentsRect().topLeft();
    throw std::runtime_error("the shown month has no day " + std::to_string(day));
}

// A settings file holding only these values of the main window's key, each a line such as
// "\"FontSize\"=dword:0000000e\r\n".
inline void WriteMainSettings(const std::filesystem::path& file, const std::string& values)
{
    WriteBytes(file, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Kestrine\\DBK]\r\n" + values + "\r\n");
}

} // namespace testing_support
