#include "widgets/controls/CellGrid.h"

#include "widgets/controls/AccessibleControls.h"

#include "widgets/controls/BevelPanel.h"
#include "widgets/controls/QtColors.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

using model::look::Gray;
using model::look::RgbColor;
using model::look::Silver;

namespace widgets::controls {

CellGrid::CellGrid(int colCount, int rowCount, int fixedRows, QWidget* parent)
    : QWidget(parent), colWidths_(colCount, defaultColWidth_), rowHeights_(rowCount, defaultRowHeight_),
      fixedRows_(fixedRows), current_{0, fixedRows}
{
    setFocusPolicy(Qt::StrongFocus);
    UpdateBorder();
    RegisterAccessibleControls();
}

void CellGrid::SetDefaultColWidth(int width)
{
    defaultColWidth_ = width;
    std::fill(colWidths_.begin(), colWidths_.end(), width);
    update();
}

void CellGrid::SetDefaultRowHeight(int height)
{
    defaultRowHeight_ = height;
    std::fill(rowHeights_.begin(), rowHeights_.end(), height);
    update();
}

void CellGrid::SetRowHeight(int row, int height)
{
    rowHeights_.at(row) = height;
    update();
}

void CellGrid::SetGridLineWidth(int width)
{
    lineWidth_ = std::max(0, width);
    update();
}

void CellGrid::SetOptions(GridOptions options)
{
    options_ = options;
    update();
}

void CellGrid::SetColor(RgbColor color)
{
    color_ = color;
    update();
}

void CellGrid::SetFixedColor(RgbColor color)
{
    fixedColor_ = color;
    update();
}

void CellGrid::SetFontColor(RgbColor color)
{
    fontColor_ = color;
    update();
}

void CellGrid::SetBorder(GridBorder border)
{
    border_ = border;
    UpdateBorder();
}

void CellGrid::SetFlat(bool value)
{
    flat_ = value;
    UpdateBorder();
}

void CellGrid::SetFocusFrameStyle(FocusFrame style)
{
    focusFrame_ = style;
    update();
}

void CellGrid::UpdateBorder()
{
    const int width = border_ == GridBorder::None ? 0 : flat_ ? 1 : 2;
    setContentsMargins(width, width, width, width);
    update();
}

QRect CellGrid::CellRect(int col, int row) const
{
    int left = 0;
    for (int c = 0; c < col; ++c)
        left += colWidths_.at(c) + lineWidth_;
    int top = 0;
    for (int r = 0; r < row; ++r)
        top += rowHeights_.at(r) + lineWidth_;
    return {left, top, colWidths_.at(col), rowHeights_.at(row)};
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
    const bool inside = col >= 0 && col < ColCount() && row >= 0 && row < RowCount();
    if (!inside || !SelectCell(col, row))
        return false;
    current_ = {col, row};
    update();
    return true;
}

CellStates CellGrid::StateOf(int col, int row) const
{
    if (row < fixedRows_)
        return CellState::Fixed;
    if (GridCoord{col, row} != current_)
        return {};
    return hasFocus() ? CellState::Selected | CellState::Focused : CellState::Selected;
}

void CellGrid::PrepareCell(QPainter& painter, CellStates state) const
{
    QColor background = ToQColor(state & CellState::Fixed ? fixedColor_ : color_);
    QColor text = ToQColor(fontColor_);
    const bool highlighted = (state & CellState::Selected) &&
                             (!(state & CellState::Focused) || (options_ & GridOption::HighlightFocusedCell));
    if (highlighted) {
        background = palette().color(QPalette::Highlight);
        text = palette().color(QPalette::HighlightedText);
    }
    painter.setBrush(background);
    painter.setPen(text);
    painter.setFont(font());
}

// A single border: a line in the text colour, or the sunken edge of a bordered control (grey and
// dark grey above and left, white and light grey below and right).
void CellGrid::DrawBorder(QPainter& painter) const
{
    if (border_ == GridBorder::None)
        return;
    QRect r = rect();
    if (flat_) {
        FrameRect(painter, r, palette().color(foregroundRole()), 1);
        return;
    }
    Frame3D(painter, r, QColor(160, 160, 160), Qt::white, 1);
    Frame3D(painter, r, QColor(105, 105, 105), QColor(227, 227, 227), 1);
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

void CellGrid::DrawFocusFrame(QPainter& painter, const QRect& rect) const
{
    painter.save();
    if (focusFrame_ == FocusFrame::DottedLine) {
        painter.setPen(QPen(ToQColor(fontColor_), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    } else {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        for (int x = rect.left(); x <= rect.right(); x += 2) {
            painter.fillRect(QRect(x, rect.top(), 1, 1), Qt::white);
            painter.fillRect(QRect(x, rect.bottom(), 1, 1), Qt::white);
        }
        for (int y = rect.top() + 2; y < rect.bottom(); y += 2) {
            painter.fillRect(QRect(rect.left(), y, 1, 1), Qt::white);
            painter.fillRect(QRect(rect.right(), y, 1, 1), Qt::white);
        }
    }
    painter.restore();
}

void CellGrid::DrawGridLines(QPainter& painter) const
{
    if (lineWidth_ == 0)
        return;
    const QRect last = CellRect(ColCount() - 1, RowCount() - 1);
    const int right = last.right() + lineWidth_;
    const int bottom = last.bottom() + lineWidth_;
    const int fixedBottom = fixedRows_ > 0 ? CellRect(0, fixedRows_ - 1).bottom() + lineWidth_ : -1;
    const QColor fixedLine(Qt::black);
    const QColor line = ToQColor(color_ == Silver ? Gray : Silver);

    for (int row = 0; row < RowCount(); ++row) {
        const bool fixed = row < fixedRows_;
        if (!(options_ & (fixed ? GridOption::FixedHorizontalLines : GridOption::HorizontalLines)))
            continue;
        const QRect cell = CellRect(0, row);
        painter.fillRect(QRect(0, cell.bottom() + 1, right + 1, lineWidth_), fixed ? fixedLine : line);
    }
    for (int col = 0; col < ColCount(); ++col) {
        const QRect cell = CellRect(col, 0);
        const QRect lineRect(cell.right() + 1, 0, lineWidth_, bottom + 1);
        if (options_ & GridOption::FixedVerticalLines)
            painter.fillRect(lineRect.intersected(QRect(0, 0, right + 1, fixedBottom + 1)), fixedLine);
        if (options_ & GridOption::VerticalLines)
            painter.fillRect(lineRect.intersected(QRect(0, fixedBottom + 1, right + 1, bottom - fixedBottom)),
                             line);
    }
}

void CellGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawBorder(painter);
    const QRect client = contentsRect();
    painter.setClipRect(client);
    painter.translate(client.topLeft());
    painter.fillRect(QRect(QPoint(0, 0), client.size()), ToQColor(color_));

    for (int row = 0; row < RowCount(); ++row) {
        for (int col = 0; col < ColCount(); ++col) {
            const QRect rect = CellRect(col, row);
            const CellStates state = StateOf(col, row);
            painter.save();
            PrepareCell(painter, state);
            painter.fillRect(rect, painter.brush());
            DrawCell(painter, col, row, rect, state);
            painter.restore();
            if ((state & CellState::Fixed) && !flat_)
                DrawFixedEdge(painter, rect);
            if (state & CellState::Focused)
                DrawFocusFrame(painter, rect);
        }
    }
    DrawGridLines(painter);
}

std::optional<GridCoord> CellGrid::KeyTarget(int key, Qt::KeyboardModifiers modifiers) const
{
    const bool control = modifiers & Qt::ControlModifier;
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    GridCoord target = current_;
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
        target.Row = control ? fixedRows_ : target.Row - (RowCount() - fixedRows_);
        break;
    case Qt::Key_PageDown:
        target.Row = control ? lastRow : target.Row + (RowCount() - fixedRows_);
        break;
    case Qt::Key_Home:
        target = {0, control ? fixedRows_ : target.Row};
        break;
    case Qt::Key_End:
        target = {lastCol, control ? lastRow : target.Row};
        break;
    default:
        return std::nullopt;
    }
    target.Col = std::clamp(target.Col, 0, lastCol);
    target.Row = std::clamp(target.Row, fixedRows_, lastRow);
    return target;
}

void CellGrid::keyPressEvent(QKeyEvent* event)
{
    const auto target = KeyTarget(event->key(), event->modifiers());
    if (!target) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (*target == current_)
        return;
    MoveCurrent(target->Col, target->Row);
    Click();
}

void CellGrid::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const auto cell = MouseToCell(ToClient(event->position().toPoint()));
    if (!cell)
        return;
    if (cell->Row >= fixedRows_)
        MoveCurrent(cell->Col, cell->Row);
    Click();
}

// The second press of a double click may arrive as the double click alone, so it acts as a
// press before the double click is reported.
void CellGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    mousePressEvent(event);
    if (OnDoubleClick)
        OnDoubleClick(MouseToCell(ToClient(event->position().toPoint())));
}

void CellGrid::contextMenuEvent(QContextMenuEvent* event)
{
    const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    const QPoint mousePos = fromKeyboard ? QPoint(-1, -1) : ToClient(event->pos());
    bool handled = false;
    if (OnContextPopup)
        OnContextPopup(this, mousePos, handled);
    if (handled || popupMenu_ == nullptr)
        return;
    const QPoint at = fromKeyboard ? CellRect(current_.Col, current_.Row).center() + contentsRect().topLeft()
                                   : event->pos();
    popupMenu_->popup(mapToGlobal(at));
}

void CellGrid::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void CellGrid::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace widgets::controls
