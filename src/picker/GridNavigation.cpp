#include "picker/GridNavigation.h"

namespace picker {

TGridCell MoveTarget(TGridCell from, TGridMove move, int colCount, int rowCount)
{
    TGridCell to = from;
    switch (move) {
    case TGridMove::Left:
        --to.Col;
        break;
    case TGridMove::Right:
        ++to.Col;
        break;
    case TGridMove::Up:
        --to.Row;
        break;
    case TGridMove::Down:
        ++to.Row;
        break;
    case TGridMove::RowStart:
        to.Col = 0;
        break;
    case TGridMove::RowEnd:
        to.Col = colCount - 1;
        break;
    case TGridMove::FirstCell:
        to = {0, 0};
        break;
    case TGridMove::LastCell:
        to = {colCount - 1, rowCount - 1};
        break;
    }
    const bool inside = to.Col >= 0 && to.Col < colCount && to.Row >= 0 && to.Row < rowCount;
    return inside ? to : from;
}

int PictureNumber(TGridCell cell, int colCount)
{
    return cell.Row * colCount + cell.Col;
}

TGridCell CellOfPicture(int number, int colCount)
{
    return {number % colCount, number / colCount};
}

} // namespace picker
