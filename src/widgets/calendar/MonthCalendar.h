// What the two month calendars share: the date model on a 7 x 7 grid whose cells fill the
// control, the active and special day colours, the header day names from the locale, the
// selection veto, the click rule and the OnChange and OnDrawCalendarCell events.
#pragma once

#include "model/calendar/CalendarModel.h"
#include "widgets/controls/CellGrid.h"

#include <QString>

namespace widgets::calendar {

using model::look::Blue;
using model::look::Red;
using model::look::RgbColor;
using model::look::White;
using model::look::Yellow;

// How the header names the days: "Wednesday", "Wed" or "W".
enum class DayNameFormat { Long, Short, UltraShort };

class MonthCalendar : public widgets::controls::CellGrid, public model::calendar::CalendarModel {
    Q_OBJECT
public:
    using NotifyEvent = std::function<void(QObject* sender)>;
    // Called after the calendar has drawn a cell (header and empty cells too), so it can paint
    // over it.
    using DrawCalendarCellEvent = std::function<void(
        QObject* sender, QPainter& canvas, int col, int row, const QRect& rect,
        widgets::controls::CellStates state, const QString& text, model::calendar::DayState dayState)>;

    explicit MonthCalendar(QWidget* parent);

    model::look::RgbColor ActiveColor() const { return activeColor_; }
    void SetActiveColor(model::look::RgbColor color);
    model::look::RgbColor ActiveBGColor() const { return activeBackground_; }
    void SetActiveBGColor(model::look::RgbColor color);
    model::look::RgbColor SpecialColor() const { return specialColor_; }
    void SetSpecialColor(model::look::RgbColor color);
    model::look::RgbColor SpecialBGColor() const { return specialBackground_; }
    void SetSpecialBGColor(model::look::RgbColor color);

    // A day cell's date in the locale's long format and its state; a header cell's day name.
    QString AccessibleCellText(int col, int row) const override;

    // The date changed through the calendar (the sender is the calendar).
    NotifyEvent OnChange;
    DrawCalendarCellEvent OnDrawCalendarCell;

protected:
    // What an active or special day means in this calendar, in words; empty: nothing to say.
    virtual QString DayStateName(model::calendar::DayState state) const { return {}; }
    // Fills the header texts from the locale's day names as they are now.
    void UseDayNames(DayNameFormat format);
    // Draws a cell's own content; dayColours is set when the painter carries the active or
    // special colours instead of the grid's.
    virtual void DrawCellContent(QPainter& painter, const QRect& rect, const QString& text,
                                 bool dayColours) = 0;

    void DrawCell(QPainter& painter, int col, int row, const QRect& rect,
                  widgets::controls::CellStates state) override;
    bool SelectCell(int col, int row) override { return CanSelectCell(col, row); }
    void Click() override;
    void ShowCurrentCell(int col, int row) override;
    void Change() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    model::look::RgbColor activeColor_ = model::look::Blue;
    model::look::RgbColor activeBackground_ = model::look::Yellow;
    model::look::RgbColor specialColor_ = model::look::Red;
    model::look::RgbColor specialBackground_ = model::look::Yellow;
};

} // namespace widgets::calendar
