// MoodPickerDialog: a small modal window that offers the pictures of an image list as a grid of
// thumbnails, four to a row, and returns the index of the one the user chooses; the entry's
// mood picture is chosen with it.
#pragma once

#include "windows/picker/PictureGrid.h"

#include <QDialog>
#include <QList>
#include <QPixmap>

class QPushButton;

namespace windows::picker {

class MoodPickerDialog : public QDialog {
    Q_OBJECT

public:
    // Shows the picker with its top edge at the screen point `anchor` and centred on it (pulled
    // back inside the primary screen's right edge), `current` preselected; returns the index
    // chosen, or `current` when the window was closed without a choice.
    static int Choose(QWidget* owner, QPoint anchor, int current, const QList<QPixmap>& pictures);

    explicit MoodPickerDialog(QWidget* owner);

    // What Choose does before it shows the window: places it, offers the pictures and moves the
    // grid to the picture `current` when that is one of them.
    void Prepare(QPoint anchor, int current, const QList<QPixmap>& pictures);

    // The index passed in until a picture is chosen.
    int Chosen() const { return chosen_; }

private:
    // Chooses the picture of the current cell and closes; also the grid's double click on it.
    void OnSelectClicked();
    void OnGridDoubleClicked(std::optional<widgets::controls::GridCoord> cell);

    windows::picker::PictureGrid* pictureGrid_;
    QPushButton* selectButton_;
    QPushButton* cancelButton_;
    int chosen_ = 0;
};

// The left edge of a window `width` wide centred on `x`, pulled back to stand 2 pixels inside
// the screen's right edge when it would reach past it.
constexpr int PickerLeft(int x, int width, int screenRight)
{
    const int left = x - width / 2;
    return screenRight < left + width ? screenRight - width - 2 : left;
}

} // namespace windows::picker
