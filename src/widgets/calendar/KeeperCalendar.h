// The large month calendar of the birthday keeper: a header row of its own height, aligned
// day numbers with an inner margin, a colour for the cells outside the month, long, short or
// one-letter day names, and a right-button press that selects the day before a menu opens.
#pragma once

#include "widgets/calendar/MonthCalendar.h"
#include "widgets/controls/ButtonStyles.h"

namespace widgets::calendar {

enum class VerticalLayout { Top, Center, Bottom };

class KeeperCalendar : public MonthCalendar {
    Q_OBJECT
public:
    explicit KeeperCalendar(QWidget* parent = nullptr);

    widgets::controls::HorizontalAlignment Alignment() const { return alignment_; }
    void SetAlignment(widgets::controls::HorizontalAlignment alignment);
    VerticalLayout Layout() const { return layout_; }
    void SetLayout(VerticalLayout layout);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    // Inner margin in pixels between a cell's edge and its text; never below 0.
    int CellBorder() const { return cellBorder_; }
    void SetCellBorder(int pixels);
    bool RightMouseSelect() const { return rightMouseSelect_; }
    void SetRightMouseSelect(bool value) { rightMouseSelect_ = value; }
    DayNameFormat DayFormat() const { return dayFormat_; }
    void SetDayFormat(DayNameFormat format);
    // Background of the cells that show no day; seen at the next repaint.
    model::look::RgbColor ColorEmpty() const { return colorEmpty_; }
    void SetColorEmpty(model::look::RgbColor color) { colorEmpty_ = color; }
    // The header row's height; the six week rows share what it leaves.
    int DefaultHeaderHeight() const { return headerHeight_; }
    void SetDefaultHeaderHeight(int height);

    // The locale's full name of the shown month.
    QString MonthName() const;

protected:
    // The special days are those with a birthday or an anniversary.
    QString DayStateName(model::calendar::DayState state) const override;
    void DrawCellContent(QPainter& painter, const QRect& rect, const QString& text, bool dayColours) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Column widths and row heights for the client area.
    void AdjustCellSizes();
    void DrawCellText(QPainter& painter, const QRect& rect, const QString& text) const;

    widgets::controls::HorizontalAlignment alignment_ = widgets::controls::HorizontalAlignment::Center;
    VerticalLayout layout_ = VerticalLayout::Center;
    bool wordWrap_ = false;
    int cellBorder_ = 0;
    bool rightMouseSelect_ = true;
    DayNameFormat dayFormat_ = DayNameFormat::Short;
    int headerHeight_;
    model::look::RgbColor colorEmpty_;
};

} // namespace widgets::calendar
