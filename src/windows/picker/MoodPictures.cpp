#include "windows/picker/MoodPictures.h"

#include "formats/diary/MoodNames.h"
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
    QString name = QString::fromLatin1(formats::diary::MoodName(number));
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

} // namespace windows::picker
