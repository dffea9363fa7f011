// MoodPickerDialog: a small modal window that offers the pictures of an image list as a grid of
// thumbnails, four to a row, and returns the index of the one the user chooses; the entry's
// mood picture is chosen with it.
#pragma once

#include "windows/picker/PictureGrid.h"

#include <QDialog>
#include <QList>
#include <QPixmap>

class QPushButton;

class MoodPickerDialog : public QDialog {
    Q_OBJECT

public:
    // Shows the picker with its top edge at the screen point X, Y and centred on X (pulled back
    // inside the primary screen's right edge), `Current` preselected; returns the index chosen,
    // or `Current` when the window was closed without a choice.
    static int Execute(QWidget* Owner, int X, int Y, int Current, const QList<QPixmap>& PictureList);

    explicit MoodPickerDialog(QWidget* Owner);

    // What Execute does before it shows the window: places it, offers the pictures and moves
    // the grid to the picture `Current` when that is one of them.
    void Prepare(int X, int Y, int Current, const QList<QPixmap>& Images);

    picker::PictureGrid* DG;
    QPushButton* btnSelect;
    QPushButton* btnCancel;

    QList<QPixmap> PictureList;
    // The index passed in until a picture is chosen.
    int Selected = 0;

    void DGDrawCell(QPainter& painter, picker::GridCell cell, const QRect& rect);
    bool DGSelectCell(picker::GridCell cell);
    // Also the grid's double click: chooses the picture of the current cell and closes.
    void btnSelectClick();

private:
    bool HoldsPicture(picker::GridCell cell) const;
};

// The left edge of a window `width` wide centred on `x`, pulled back to stand 2 pixels inside
// the screen's right edge when it would reach past it.
constexpr int PickerLeft(int x, int width, int screenRight)
{
    const int left = x - width / 2;
    return screenRight < left + width ? screenRight - width - 2 : left;
}
