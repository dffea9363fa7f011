// What the two month calendars share: the date model on a 7 x 7 grid whose cells fill the
// control, the active and special day colours, the header day names from the locale, the
// selection veto, the click rule and the OnChange and OnDrawCalendarCell events.
#pragma once

#include "calendar/CalendarModel.h"
#include "calendar/KvGrid.h"

#include <QString>

namespace calendar {

enum TDayFormat { dfLong, dfShort, dfUltraShort };

class TKvCustomCalendar : public TKvGrid, public TCalendarModel {
    Q_OBJECT
public:
    // Called after the calendar has drawn a cell (header and empty cells too), so it can paint
    // over it.
    using TDrawCalendarCellEvent =
        std::function<void(QObject* sender, QPainter& canvas, int col, int row, const QRect& rect,
                           TGridDrawState state, const QString& text, TDayState dayState)>;

    explicit TKvCustomCalendar(QWidget* parent);

    TColor ActiveColor() const { return ActiveText; }
    void SetActiveColor(TColor color);
    TColor ActiveBGColor() const { return ActiveBackground; }
    void SetActiveBGColor(TColor color);
    TColor SpecialColor() const { return SpecialText; }
    void SetSpecialColor(TColor color);
    TColor SpecialBGColor() const { return SpecialBackground; }
    void SetSpecialBGColor(TColor color);

    // The date changed through the calendar (the sender is the calendar).
    TNotifyEvent OnChange;
    TDrawCalendarCellEvent OnDrawCalendarCell;

protected:
    // Fills the header texts from the locale's day names as they are now.
    void UseDayNames(TDayFormat format);
    // Draws a cell's own content; dayColours is set when the painter carries the active or
    // special colours instead of the grid's.
    virtual void DrawCellContent(QPainter& painter, const QRect& rect, const QString& text,
                                 bool dayColours) = 0;

    void DrawCell(QPainter& painter, int col, int row, const QRect& rect, TGridDrawState state) override;
    bool SelectCell(int col, int row) override { return CanSelectCell(col, row); }
    void Click() override;
    void ShowCurrentCell(int col, int row) override;
    void Change() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TColor ActiveText = clBlue;
    TColor ActiveBackground = clYellow;
    TColor SpecialText = clRed;
    TColor SpecialBackground = clYellow;
};

} // namespace calendar
