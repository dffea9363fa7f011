#include "windows/picker/PictureGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace picker {

namespace {

constexpr int FrameWidth = 2;
constexpr int LineWidth = 1;
const QColor LineColour(192, 192, 192);

std::optional<GridMove> MoveOfKey(const QKeyEvent& event)
{
    const bool control = event.modifiers().testFlag(Qt::ControlModifier);
    switch (event.key()) {
    case Qt::Key_Left:
        return GridMove::Left;
    case Qt::Key_Right:
        return GridMove::Right;
    case Qt::Key_Up:
        return GridMove::Up;
    case Qt::Key_Down:
        return GridMove::Down;
    case Qt::Key_Home:
        return control ? GridMove::FirstCell : GridMove::RowStart;
    case Qt::Key_End:
        return control ? GridMove::LastCell : GridMove::RowEnd;
    default:
        return std::nullopt;
    }
}

} // namespace

PictureGrid::PictureGrid(QWidget* parent, int colCount, int rowCount, QSize cellSize)
    : QWidget(parent), colCount_(colCount), rowCount_(rowCount), cellSize_(cellSize)
{
    setFocusPolicy(Qt::StrongFocus);
}

bool PictureGrid::SetCurrent(GridCell cell)
{
    const bool inside = cell.Col >= 0 && cell.Col < colCount_ && cell.Row >= 0 && cell.Row < rowCount_;
    if (!inside || (OnSelectCell && !OnSelectCell(cell)))
        return false;
    if (cell != current_) {
        update(CellRect(current_));
        current_ = cell;
        update(CellRect(current_));
    }
    return true;
}

QRect PictureGrid::CellArea() const
{
    return rect().adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth);
}

QRect PictureGrid::CellRect(GridCell cell) const
{
    const QPoint origin = CellArea().topLeft();
    return QRect(origin + QPoint(cell.Col * (cellSize_.width() + LineWidth),
                                 cell.Row * (cellSize_.height() + LineWidth)),
                 cellSize_);
}

std::optional<GridCell> PictureGrid::CellAt(QPoint point) const
{
    if (!CellArea().contains(point))
        return std::nullopt;
    for (int row = 0; row < rowCount_; ++row)
        for (int col = 0; col < colCount_; ++col)
            if (CellRect({col, row}).contains(point))
                return GridCell{col, row};
    return std::nullopt;
}

void PictureGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = CellArea();
    painter.fillRect(area, Qt::white);
    for (int row = 0; row < rowCount_; ++row)
        for (int col = 0; col < colCount_; ++col) {
            const QRect cell = CellRect({col, row});
            if (OnDrawCell) {
                painter.save();
                painter.setClipRect(cell.intersected(area));
                OnDrawCell(painter, {col, row}, cell);
                painter.restore();
            }
        }
    painter.setClipRect(area);
    DrawLines(painter);
    if (hasFocus())
        DrawFocusRect(painter, CellRect(current_));
    painter.setClipping(false);
    DrawFrame(painter);
}

void PictureGrid::DrawLines(QPainter& painter) const
{
    const QRect area = CellArea();
    for (int col = 0; col < colCount_; ++col) {
        const int x = CellRect({col, 0}).right() + 1;
        painter.fillRect(QRect(x, area.top(), LineWidth, area.height()), LineColour);
    }
    for (int row = 0; row < rowCount_; ++row) {
        const int y = CellRect({0, row}).bottom() + 1;
        painter.fillRect(QRect(area.left(), y, area.width(), LineWidth), LineColour);
    }
}

// The sunken edge of a bordered control: grey and dark grey above and left, white and light
// grey below and right.
void PictureGrid::DrawFrame(QPainter& painter) const
{
    const QRect outer = rect();
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    const auto edge = [&painter](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    };
    edge(outer, QColor(160, 160, 160), Qt::white);
    edge(inner, QColor(105, 105, 105), QColor(227, 227, 227));
}

// A dotted rectangle along the cell's edge that inverts what lies beneath, so it shows on any
// picture.
void PictureGrid::DrawFocusRect(QPainter& painter, const QRect& cell) const
{
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (int x = cell.left(); x <= cell.right(); x += 2) {
        painter.fillRect(QRect(x, cell.top(), 1, 1), Qt::white);
        painter.fillRect(QRect(x, cell.bottom(), 1, 1), Qt::white);
    }
    for (int y = cell.top() + 2; y < cell.bottom(); y += 2) {
        painter.fillRect(QRect(cell.left(), y, 1, 1), Qt::white);
        painter.fillRect(QRect(cell.right(), y, 1, 1), Qt::white);
    }
    painter.restore();
}

void PictureGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    if (const auto cell = CellAt(event->position().toPoint()))
        SetCurrent(*cell);
}

// The second press of a double click may arrive as the double click alone, so it moves the
// current cell as a press would before the double click acts on it.
void PictureGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    mousePressEvent(event);
    const auto cell = CellAt(event->position().toPoint());
    if (cell && *cell == current_ && OnDblClick)
        OnDblClick();
}

void PictureGrid::keyPressEvent(QKeyEvent* event)
{
    const auto move = MoveOfKey(*event);
    if (!move) {
        QWidget::keyPressEvent(event);
        return;
    }
    SetCurrent(MoveTarget(current_, *move, colCount_, rowCount_));
}

void PictureGrid::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void PictureGrid::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

} // namespace picker
