// The month calendar of the main window: day names in the header row, day numbers centred in
// their cells, active and special days in their own colours.
#pragma once

#include "widgets/calendar/MonthCalendar.h"

#include <QStringList>

namespace calendar {

class MainCalendar : public MonthCalendar {
    Q_OBJECT
public:
    explicit MainCalendar(QWidget* parent = nullptr) : MonthCalendar(parent) {}

    // A short note on how the control is used.
    static QStringList About();

    // Only the first character of each day name in the header.
    bool UltraShort() const { return UltraShortNames; }
    void SetUltraShort(bool value);

protected:
    void DrawCellContent(QPainter& painter, const QRect& rect, const QString& text, bool dayColours) override;

private:
    bool UltraShortNames = false;
};

} // namespace calendar
