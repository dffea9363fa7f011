// Cells of a grid of numbered pictures: where a key moves the current cell, and which picture
// a cell shows (left to right, then top to bottom).
#pragma once

namespace picker {

struct GridCell {
    int Col = 0;
    int Row = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

enum class GridMove { Left, Right, Up, Down, RowStart, RowEnd, FirstCell, LastCell };

// The cell a move from `from` aims at; a move that would leave the grid stays at `from`.
// Whether the grid may enter the cell is its owner's decision.
GridCell MoveTarget(GridCell from, GridMove move, int colCount, int rowCount);

int PictureNumber(GridCell cell, int colCount);

// The cell that shows picture `number`; outside the grid for a negative number.
GridCell CellOfPicture(int number, int colCount);

} // namespace picker
