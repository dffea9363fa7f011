// A grid of equal cells that its owner draws: cells 1 pixel apart on silver lines inside a
// sunken frame, no scroll bars. Its current cell moves by mouse and keys only where the owner
// lets it (OnSelectCell), and carries a focus rectangle while the grid has the focus.
#pragma once

#include "windows/picker/GridNavigation.h"

#include <QWidget>

#include <functional>
#include <optional>

namespace picker {

class PictureGrid : public QWidget {
    Q_OBJECT

public:
    PictureGrid(QWidget* parent, int colCount, int rowCount, QSize cellSize);

    // Paints one cell; the painter is clipped to the cell's rectangle.
    std::function<void(QPainter&, GridCell, const QRect&)> OnDrawCell;
    // Whether the cell may become current; every cell may when unset.
    std::function<bool(GridCell)> OnSelectCell;
    // A double click on the current cell.
    std::function<void()> OnDblClick;

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    GridCell Current() const { return current_; }

    // Makes the cell current unless it lies outside the grid or the owner refuses it.
    bool SetCurrent(GridCell cell);

    QRect CellRect(GridCell cell) const;
    std::optional<GridCell> CellAt(QPoint point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect CellArea() const;
    void DrawFrame(QPainter& painter) const;
    void DrawLines(QPainter& painter) const;
    void DrawFocusRect(QPainter& painter, const QRect& cell) const;

    int colCount_;
    int rowCount_;
    QSize cellSize_;
    GridCell current_;
};

} // namespace picker
