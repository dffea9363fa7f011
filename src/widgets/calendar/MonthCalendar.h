// What the two month calendars share: the date model on a 7 x 7 grid whose cells fill the
// control, the active and special day colours, the header day names from the locale, the
// selection veto, the click rule and the OnChange and OnDrawCalendarCell events.
#pragma once

#include "model/calendar/CalendarModel.h"
#include "widgets/calendar/CellGrid.h"

#include <QString>

namespace calendar {

enum DayNumberFormat { dfLong, dfShort, dfUltraShort };

class MonthCalendar : public CellGrid, public CalendarModel {
    Q_OBJECT
public:
    // Called after the calendar has drawn a cell (header and empty cells too), so it can paint
    // over it.
    using DrawCalendarCellEvent =
        std::function<void(QObject* sender, QPainter& canvas, int col, int row, const QRect& rect,
                           GridDrawState state, const QString& text, DayState dayState)>;

    explicit MonthCalendar(QWidget* parent);

    RgbColor ActiveColor() const { return ActiveText; }
    void SetActiveColor(RgbColor color);
    RgbColor ActiveBGColor() const { return ActiveBackground; }
    void SetActiveBGColor(RgbColor color);
    RgbColor SpecialColor() const { return SpecialText; }
    void SetSpecialColor(RgbColor color);
    RgbColor SpecialBGColor() const { return SpecialBackground; }
    void SetSpecialBGColor(RgbColor color);

    // The date changed through the calendar (the sender is the calendar).
    NotifyEvent OnChange;
    DrawCalendarCellEvent OnDrawCalendarCell;

protected:
    // Fills the header texts from the locale's day names as they are now.
    void UseDayNames(DayNumberFormat format);
    // Draws a cell's own content; dayColours is set when the painter carries the active or
    // special colours instead of the grid's.
    virtual void DrawCellContent(QPainter& painter, const QRect& rect, const QString& text,
                                 bool dayColours) = 0;

    void DrawCell(QPainter& painter, int col, int row, const QRect& rect, GridDrawState state) override;
    bool SelectCell(int col, int row) override { return CanSelectCell(col, row); }
    void Click() override;
    void ShowCurrentCell(int col, int row) override;
    void Change() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    RgbColor ActiveText = Blue;
    RgbColor ActiveBackground = Yellow;
    RgbColor SpecialText = Red;
    RgbColor SpecialBackground = Yellow;
};

} // namespace calendar
