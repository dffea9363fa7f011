// The mood picker's grid: numbered pictures on white, left to right and then top to bottom, in
// equal cells inside a sunken edge; only a cell that shows a picture can become current.
#pragma once

#include "widgets/controls/CellGrid.h"

#include <QList>
#include <QPixmap>

namespace windows::picker {

class PictureGrid : public widgets::controls::CellGrid {
    Q_OBJECT

public:
    PictureGrid(int colCount, int rowCount, QSize cellSize, QWidget* parent);

    void SetPictures(const QList<QPixmap>& pictures);
    // The number of the picture a cell shows; -1 for a cell that shows none.
    int PictureAt(widgets::controls::GridCoord cell) const;
    int CurrentPicture() const { return PictureAt(Current()); }
    // Makes the cell of picture `number` current; nothing happens when there is no such picture.
    void SetCurrentPicture(int number);
    // The mood a cell shows.
    QString AccessibleCellText(int col, int row) const override;

protected:
    void DrawCell(QPainter& painter, int col, int row, const QRect& rect,
                  widgets::controls::CellStates state) override;
    bool SelectCell(int col, int row) override { return PictureAt({col, row}) >= 0; }

private:
    QList<QPixmap> pictures_;
};

} // namespace windows::picker
