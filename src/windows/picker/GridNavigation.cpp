#include "windows/picker/GridNavigation.h"

namespace picker {

GridCell MoveTarget(GridCell from, GridMove move, int colCount, int rowCount)
{
    GridCell to = from;
    switch (move) {
    case GridMove::Left:
        --to.Col;
        break;
    case GridMove::Right:
        ++to.Col;
        break;
    case GridMove::Up:
        --to.Row;
        break;
    case GridMove::Down:
        ++to.Row;
        break;
    case GridMove::RowStart:
        to.Col = 0;
        break;
    case GridMove::RowEnd:
        to.Col = colCount - 1;
        break;
    case GridMove::FirstCell:
        to = {0, 0};
        break;
    case GridMove::LastCell:
        to = {colCount - 1, rowCount - 1};
        break;
    }
    const bool inside = to.Col >= 0 && to.Col < colCount && to.Row >= 0 && to.Row < rowCount;
    return inside ? to : from;
}

int PictureNumber(GridCell cell, int colCount)
{
    return cell.Row * colCount + cell.Col;
}

GridCell CellOfPicture(int number, int colCount)
{
    return {number % colCount, number / colCount};
}

} // namespace picker
