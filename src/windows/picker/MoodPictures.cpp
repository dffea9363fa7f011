#include "windows/picker/MoodPictures.h"

#include "widgets/controls/ResourceBitmaps.h"

#include <QString>

using widgets::controls::SharpPicture;

namespace windows::picker {

namespace {

QList<QPixmap> Pictures(const QString& nameFormat)
{
    QList<QPixmap> pictures;
    for (int mood = 0; mood < MoodCount; ++mood)
        pictures.append(QPixmap::fromImage(SharpPicture(nameFormat.arg(mood))));
    return pictures;
}

} // namespace

QList<QPixmap> MoodPictures()
{
    return Pictures(QStringLiteral(":/moods/mood%1.png"));
}

QList<QPixmap> MoodIcons()
{
    return Pictures(QStringLiteral(":/moods/mood%1-small.png"));
}

QString MoodName(int number)
{
    static const char* const names[MoodCount] = {"Happy", "Calm",  "Excited", "Loved", "Tired",
                                                 "Sad",   "Angry", "Worried", "Sick",  "Thoughtful"};
    return number >= 0 && number < MoodCount ? QString::fromLatin1(names[number]) : QString();
}

} // namespace windows::picker
