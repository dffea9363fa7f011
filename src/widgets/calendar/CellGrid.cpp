#include "widgets/calendar/CellGrid.h"
#include "widgets/controls/QtColors.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace calendar {

CellGrid::CellGrid(int colCount, int rowCount, int fixedRows, QWidget* parent)
    : QFrame(parent), ColWidths(colCount, DefaultColWidthValue), RowHeights(rowCount, DefaultRowHeightValue),
      FixedRowCount(fixedRows), Current{0, fixedRows}
{
    setFocusPolicy(Qt::StrongFocus);
    UpdateFrame();
}

void CellGrid::SetDefaultColWidth(int width)
{
    DefaultColWidthValue = width;
    std::fill(ColWidths.begin(), ColWidths.end(), width);
    update();
}

void CellGrid::SetDefaultRowHeight(int height)
{
    DefaultRowHeightValue = height;
    std::fill(RowHeights.begin(), RowHeights.end(), height);
    update();
}

void CellGrid::SetRowHeight(int row, int height)
{
    RowHeights.at(row) = height;
    update();
}

void CellGrid::SetGridLineWidth(int width)
{
    LineWidth = std::max(0, width);
    update();
}

void CellGrid::SetOptions(GridOptionSet options)
{
    GridOptions = options;
    update();
}

void CellGrid::SetColor(RgbColor color)
{
    CellColor = color;
    update();
}

void CellGrid::SetFixedColor(RgbColor color)
{
    FixedCellColor = color;
    update();
}

void CellGrid::SetFontColor(RgbColor color)
{
    TextColor = color;
    update();
}

void CellGrid::SetBorderStyle(GridBorderStyle style)
{
    Border = style;
    UpdateFrame();
}

void CellGrid::SetCtl3D(bool value)
{
    Is3D = value;
    UpdateFrame();
}

void CellGrid::UpdateFrame()
{
    if (Border == bsNone) {
        setFrameStyle(QFrame::NoFrame);
    } else if (Is3D) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    } else {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }
    update();
}

QRect CellGrid::CellRect(int col, int row) const
{
    int left = 0;
    for (int c = 0; c < col; ++c)
        left += ColWidths.at(c) + LineWidth;
    int top = 0;
    for (int r = 0; r < row; ++r)
        top += RowHeights.at(r) + LineWidth;
    return QRect(left, top, ColWidths.at(col), RowHeights.at(row));
}

std::optional<GridCoord> CellGrid::MouseToCell(QPoint clientPos) const
{
    for (int row = 0; row < RowCount(); ++row)
        for (int col = 0; col < ColCount(); ++col)
            if (CellRect(col, row).contains(clientPos))
                return GridCoord{col, row};
    return std::nullopt;
}

bool CellGrid::MoveCurrent(int col, int row)
{
    if (!SelectCell(col, row))
        return false;
    Current = {col, row};
    update();
    return true;
}

void CellGrid::FocusCell(int col, int row)
{
    MoveCurrent(col, row);
    Click();
}

void CellGrid::Click()
{
    if (OnClick)
        OnClick(this);
}

GridDrawState CellGrid::DrawStateOf(int col, int row) const
{
    if (row < FixedRowCount)
        return gdFixed;
    if (GridCoord{col, row} != Current)
        return 0;
    return gdSelected | (hasFocus() ? gdFocused : 0);
}

void CellGrid::PrepareCell(QPainter& painter, GridDrawState state) const
{
    QColor background = widgets::ToQColor(state & gdFixed ? FixedCellColor : CellColor);
    QColor text = widgets::ToQColor(TextColor);
    const bool highlighted =
        (state & gdSelected) && (!(state & gdFocused) || (GridOptions & goDrawFocusSelected));
    if (highlighted) {
        background = palette().color(QPalette::Highlight);
        text = palette().color(QPalette::HighlightedText);
    }
    painter.setBrush(background);
    painter.setPen(text);
    painter.setFont(font());
}

void CellGrid::DrawFixedEdge(QPainter& painter, const QRect& rect) const
{
    painter.save();
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.restore();
}

void CellGrid::DrawFocusRect(QPainter& painter, const QRect& rect) const
{
    painter.save();
    painter.setPen(QPen(widgets::ToQColor(TextColor), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void CellGrid::DrawGridLines(QPainter& painter) const
{
    if (LineWidth == 0)
        return;
    const QRect last = CellRect(ColCount() - 1, RowCount() - 1);
    const int right = last.right() + LineWidth;
    const int bottom = last.bottom() + LineWidth;
    const int fixedBottom = FixedRowCount > 0 ? CellRect(0, FixedRowCount - 1).bottom() + LineWidth : -1;
    const QColor fixedLine(Qt::black);
    const QColor line = widgets::ToQColor(CellColor == Silver ? Gray : Silver);

    for (int row = 0; row < RowCount(); ++row) {
        const bool fixed = row < FixedRowCount;
        if (!(GridOptions & (fixed ? goFixedHorzLine : goHorzLine)))
            continue;
        const QRect cell = CellRect(0, row);
        painter.fillRect(QRect(0, cell.bottom() + 1, right + 1, LineWidth), fixed ? fixedLine : line);
    }
    for (int col = 0; col < ColCount(); ++col) {
        const QRect cell = CellRect(col, 0);
        const QRect lineRect(cell.right() + 1, 0, LineWidth, bottom + 1);
        if (GridOptions & goFixedVertLine)
            painter.fillRect(lineRect.intersected(QRect(0, 0, right + 1, fixedBottom + 1)), fixedLine);
        if (GridOptions & goVertLine)
            painter.fillRect(lineRect.intersected(QRect(0, fixedBottom + 1, right + 1, bottom - fixedBottom)),
                             line);
    }
}

void CellGrid::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event); // the border
    QPainter painter(this);
    const QRect client = contentsRect();
    painter.setClipRect(client);
    painter.translate(client.topLeft());
    painter.fillRect(QRect(QPoint(0, 0), client.size()), widgets::ToQColor(CellColor));

    for (int row = 0; row < RowCount(); ++row) {
        for (int col = 0; col < ColCount(); ++col) {
            const QRect rect = CellRect(col, row);
            const GridDrawState state = DrawStateOf(col, row);
            painter.save();
            PrepareCell(painter, state);
            painter.fillRect(rect, painter.brush());
            DrawCell(painter, col, row, rect, state);
            painter.restore();
            if ((state & gdFixed) && Is3D)
                DrawFixedEdge(painter, rect);
            if (state & gdFocused)
                DrawFocusRect(painter, rect);
        }
    }
    DrawGridLines(painter);
}

std::optional<GridCoord> CellGrid::KeyTarget(int key, Qt::KeyboardModifiers modifiers) const
{
    const bool control = modifiers & Qt::ControlModifier;
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    GridCoord target = Current;
    switch (key) {
    case Qt::Key_Left:
        --target.Col;
        break;
    case Qt::Key_Right:
        ++target.Col;
        break;
    case Qt::Key_Up:
        --target.Row;
        break;
    case Qt::Key_Down:
        ++target.Row;
        break;
    case Qt::Key_PageUp:
        target.Row = control ? FixedRowCount : target.Row - (RowCount() - FixedRowCount);
        break;
    case Qt::Key_PageDown:
        target.Row = control ? lastRow : target.Row + (RowCount() - FixedRowCount);
        break;
    case Qt::Key_Home:
        target = {0, control ? FixedRowCount : target.Row};
        break;
    case Qt::Key_End:
        target = {lastCol, control ? lastRow : target.Row};
        break;
    default:
        return std::nullopt;
    }
    target.Col = std::clamp(target.Col, 0, lastCol);
    target.Row = std::clamp(target.Row, FixedRowCount, lastRow);
    return target;
}

void CellGrid::keyPressEvent(QKeyEvent* event)
{
    const auto target = KeyTarget(event->key(), event->modifiers());
    if (!target) {
        QFrame::keyPressEvent(event);
        return;
    }
    if (*target != Current)
        FocusCell(target->Col, target->Row);
}

void CellGrid::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const auto cell = MouseToCell(ToClient(event->position().toPoint()));
    if (!cell)
        return;
    if (cell->Row >= FixedRowCount)
        MoveCurrent(cell->Col, cell->Row);
    Click();
}

void CellGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && OnDblClick)
        OnDblClick(this);
}

void CellGrid::contextMenuEvent(QContextMenuEvent* event)
{
    const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    const QPoint mousePos = fromKeyboard ? QPoint(-1, -1) : ToClient(event->pos());
    bool handled = false;
    if (OnContextPopup)
        OnContextPopup(this, mousePos, handled);
    if (handled || Popup == nullptr)
        return;
    const QPoint at =
        fromKeyboard ? CellRect(Current.Col, Current.Row).center() + contentsRect().topLeft() : event->pos();
    Popup->popup(mapToGlobal(at));
}

void CellGrid::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    update();
}

void CellGrid::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    update();
}

} // namespace calendar
