// The ten mood pictures a diary entry can carry, numbered 0 to 9; 0 is the mood of a day that
// has none. The large ones (64 × 64 on white) show beside the entry and in the picker, the
// small ones (22 × 22 on a transparent ground) in lists of entries.
#pragma once

#include <QList>
#include <QPixmap>

namespace windows::picker {

constexpr int MoodCount = 10;

// The 64 × 64 pictures, mood 0 first (with twice the pixels on a scaled screen).
QList<QPixmap> MoodPictures();

// The 22 × 22 pictures, mood 0 first.
QList<QPixmap> MoodIcons();

// What a mood's picture shows, in words ("Happy"); empty for a number that is no mood.
QString MoodName(int number);

} // namespace windows::picker
