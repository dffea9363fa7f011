// The month calendar of the main window: day names in the header row, day numbers centred in
// their cells, active and special days in their own colours.
#pragma once

#include "widgets/calendar/MonthCalendar.h"

namespace widgets::calendar {

class MainCalendar : public MonthCalendar {
    Q_OBJECT
public:
    explicit MainCalendar(QWidget* parent = nullptr) : MonthCalendar(parent) {}

    // Only the first character of each day name in the header.
    bool UltraShort() const { return ultraShort_; }
    void SetUltraShort(bool value);

protected:
    // The active days are those with an entry.
    QString DayStateName(model::calendar::DayState state) const override;
    void DrawCellContent(QPainter& painter, const QRect& rect, const QString& text, bool dayColours) override;

private:
    bool ultraShort_ = false;
};

} // namespace widgets::calendar
