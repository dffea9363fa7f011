// The large month calendar of the birthday keeper: a header row of its own height, aligned
// day numbers with an inner margin, a colour for the cells outside the month, long, short or
// one-letter day names, and a right-button press that selects the day before a menu opens.
#pragma once

#include "widgets/calendar/MonthCalendar.h"

namespace calendar {

enum HorizontalAlignment { taLeftJustify, taRightJustify, taCenter };
enum VerticalLayout { tlTop, tlCenter, tlBottom };

class KeeperCalendar : public MonthCalendar {
    Q_OBJECT
public:
    explicit KeeperCalendar(QWidget* parent = nullptr);

    HorizontalAlignment Alignment() const { return TextAlignment; }
    void SetAlignment(HorizontalAlignment alignment);
    VerticalLayout Layout() const { return TextLayout; }
    void SetLayout(VerticalLayout layout);
    bool WordWrap() const { return Wrap; }
    void SetWordWrap(bool value);
    // Inner margin in pixels between a cell's edge and its text; never below 0.
    int CellBorder() const { return Border; }
    void SetCellBorder(int pixels);
    bool RightMouseSelect() const { return RightSelects; }
    void SetRightMouseSelect(bool value) { RightSelects = value; }
    DayNumberFormat DayFormat() const { return Format; }
    void SetDayFormat(DayNumberFormat format);
    // Background of the cells that show no day; seen at the next repaint.
    RgbColor ColorEmpty() const { return EmptyColor; }
    void SetColorEmpty(RgbColor color) { EmptyColor = color; }
    // The header row's height; the six week rows share what it leaves.
    int DefaultHeaderHeight() const { return HeaderHeight; }
    void SetDefaultHeaderHeight(int height);

    // The locale's full name of the shown month.
    QString MonthName() const;

    // Column widths and row heights for a client area of width x height.
    virtual void AdjustCellSizes(int width, int height);

protected:
    void DrawCellContent(QPainter& painter, const QRect& rect, const QString& text, bool dayColours) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void DrawCellText(QPainter& painter, const QRect& rect, const QString& text) const;

    HorizontalAlignment TextAlignment = taCenter;
    VerticalLayout TextLayout = tlCenter;
    bool Wrap = false;
    int Border = 0;
    bool RightSelects = true;
    DayNumberFormat Format = dfShort;
    int HeaderHeight;
    RgbColor EmptyColor;
};

} // namespace calendar
