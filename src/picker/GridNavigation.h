// Cells of a grid of numbered pictures: where a key moves the current cell, and which picture
// a cell shows (left to right, then top to bottom).
#pragma once

namespace picker {

struct TGridCell {
    int Col = 0;
    int Row = 0;
    friend bool operator==(const TGridCell&, const TGridCell&) = default;
};

enum class TGridMove { Left, Right, Up, Down, RowStart, RowEnd, FirstCell, LastCell };

// The cell a move from `from` aims at; a move that would leave the grid stays at `from`.
// Whether the grid may enter the cell is its owner's decision.
TGridCell MoveTarget(TGridCell from, TGridMove move, int colCount, int rowCount);

int PictureNumber(TGridCell cell, int colCount);

// The cell that shows picture `number`; outside the grid for a negative number.
TGridCell CellOfPicture(int number, int colCount);

} // namespace picker
