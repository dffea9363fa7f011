// What the two month calendars share: the date model on a 7 x 7 grid whose cells fill the
// control, the active and special day colours, the header day names from the locale, the
// selection veto, the click rule and the OnChange and OnDrawCalendarCell events.
#pragma once

#include "model/calendar/CalendarModel.h"
#include "widgets/controls/CellGrid.h"

#include <QString>

namespace calendar {

using widgets::Blue;
using widgets::Red;
using widgets::White;
using widgets::Yellow;
using widgets::RgbColor;

// How the header names the days: "Wednesday", "Wed" or "W".
enum class DayNameFormat { Long, Short, UltraShort };

class MonthCalendar : public widgets::CellGrid, public CalendarModel {
    Q_OBJECT
public:
    using NotifyEvent = std::function<void(QObject* sender)>;
    // Called after the calendar has drawn a cell (header and empty cells too), so it can paint
    // over it.
    using DrawCalendarCellEvent =
        std::function<void(QObject* sender, QPainter& canvas, int col, int row, const QRect& rect,
                           widgets::CellStates state, const QString& text, DayState dayState)>;

    explicit MonthCalendar(QWidget* parent);

    RgbColor ActiveColor() const { return activeColor_; }
    void SetActiveColor(RgbColor color);
    RgbColor ActiveBGColor() const { return activeBackground_; }
    void SetActiveBGColor(RgbColor color);
    RgbColor SpecialColor() const { return specialColor_; }
    void SetSpecialColor(RgbColor color);
    RgbColor SpecialBGColor() const { return specialBackground_; }
    void SetSpecialBGColor(RgbColor color);

    // The date changed through the calendar (the sender is the calendar).
    NotifyEvent OnChange;
    DrawCalendarCellEvent OnDrawCalendarCell;

protected:
    // Fills the header texts from the locale's day names as they are now.
    void UseDayNames(DayNameFormat format);
    // Draws a cell's own content; dayColours is set when the painter carries the active or
    // special colours instead of the grid's.
    virtual void DrawCellContent(QPainter& painter, const QRect& rect, const QString& text,
                                 bool dayColours) = 0;

    void DrawCell(QPainter& painter, int col, int row, const QRect& rect, widgets::CellStates state) override;
    bool SelectCell(int col, int row) override { return CanSelectCell(col, row); }
    void Click() override;
    void ShowCurrentCell(int col, int row) override;
    void Change() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    RgbColor activeColor_ = Blue;
    RgbColor activeBackground_ = Yellow;
    RgbColor specialColor_ = Red;
    RgbColor specialBackground_ = Yellow;
};

} // namespace calendar
