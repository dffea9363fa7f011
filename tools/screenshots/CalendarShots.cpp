// The two month calendars as their windows set them up.
#include "Screenshots.h"

#include "widgets/controls/Fonts.h"

#include "widgets/calendar/MainCalendar.h"
#include "widgets/calendar/KeeperCalendar.h"

#include <QFont>
#include <QLocale>
#include <QPainter>

using model::look::Blue;
using model::look::Red;
using model::look::White;
using model::look::Yellow;
using widgets::calendar::DayNameFormat;
using widgets::calendar::KeeperCalendar;
using widgets::calendar::MainCalendar;
using widgets::calendar::VerticalLayout;
using widgets::controls::ArialPixels;
using widgets::controls::GridBorder;

using widgets::controls::ArialPixels;

DAYBROOK_SCREENSHOT("calendar-main", [] {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    MainCalendar calendar;
    calendar.setGeometry(10, 70, 209, 139);
    calendar.SetBorder(GridBorder::None);
    calendar.SetColor(0xF2FFFF);
    calendar.setFont(ArialPixels(11, false));
    calendar.SetActiveColor(Red);
    calendar.SetActiveBGColor(0xFFDFDF);
    calendar.SetSpecialColor(Red);
    calendar.SetSpecialBGColor(Yellow);
    calendar.SetCalendarDate({2024, 5, 14});
    calendar.SetActiveDays("1,5,9,10,22,31,");
    return screenshots::Grab(calendar);
});

DAYBROOK_SCREENSHOT("calendar-keeper", [] {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    KeeperCalendar calendar;
    calendar.setGeometry(4, 33, 778, 416);
    calendar.SetColor(0xC0FFFF);
    calendar.SetFixedColor(0xFFEAEA);
    calendar.setFont(ArialPixels(11, true));
    calendar.SetFlat(true);
    calendar.SetLayout(VerticalLayout::Top);
    calendar.SetColorEmpty(White);
    calendar.SetCellBorder(2);
    calendar.SetDayFormat(DayNameFormat::Long);
    calendar.SetDefaultHeaderHeight(18);
    calendar.SetActiveColor(Blue);
    calendar.SetActiveBGColor(0x80FFFF);
    calendar.SetSpecialColor(Blue);
    calendar.SetSpecialBGColor(0xC0FFFF);
    calendar.SetCalendarDate({2024, 5, 14});
    calendar.SetSpecialDays("3,12,12,27,");
    return screenshots::Grab(calendar);
});
