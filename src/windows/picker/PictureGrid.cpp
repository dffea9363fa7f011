#include "windows/picker/PictureGrid.h"

#include "windows/picker/MoodPictures.h"

#include <QPainter>

using model::look::White;
using widgets::controls::CellGrid;
using widgets::controls::CellStates;
using widgets::controls::GridCoord;

namespace windows::picker {

PictureGrid::PictureGrid(int colCount, int rowCount, QSize cellSize, QWidget* parent)
    : CellGrid(colCount, rowCount, 0, parent)
{
    SetDefaultColWidth(cellSize.width());
    SetDefaultRowHeight(cellSize.height());
    SetColor(White);
}

void PictureGrid::SetPictures(const QList<QPixmap>& pictures)
{
    pictures_ = pictures;
    update();
}

int PictureGrid::PictureAt(GridCoord cell) const
{
    const int number = cell.Row * ColCount() + cell.Col;
    return number < pictures_.size() ? number : -1;
}

void PictureGrid::SetCurrentPicture(int number)
{
    if (number >= 0 && number < pictures_.size())
        MoveCurrent(number % ColCount(), number / ColCount());
}

void PictureGrid::DrawCell(QPainter& painter, int col, int row, const QRect& rect, CellStates)
{
    painter.fillRect(rect, Qt::white);
    const int number = PictureAt({col, row});
    if (number < 0)
        return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.drawPixmap(rect.topLeft(), pictures_[number]);
    painter.restore();
}

QString PictureGrid::AccessibleCellText(int col, int row) const
{
    return MoodName(PictureAt({col, row}));
}

} // namespace windows::picker
