// The clipart picker offering the ten moods, and a contact sheet of the mood pictures at their
// own sizes and enlarged.
#include "Screenshots.h"

#include "windows/picker/MoodPickerDialog.h"
#include "windows/picker/MoodPictures.h"

#include <QApplication>
#include <QPainter>

using windows::picker::MoodCount;
using windows::picker::MoodIcons;
using windows::picker::MoodPickerDialog;
using windows::picker::MoodPictures;

namespace {

const char* const MoodNames[MoodCount] = {"happy", "calm",  "excited", "loved", "tired",
                                          "sad",   "angry", "worried", "sick",  "thoughtful"};

QImage PickerWindow()
{
    MoodPickerDialog form(nullptr);
    form.Prepare({400, 200}, 6, MoodPictures());
    form.show();
    form.activateWindow();
    QApplication::processEvents();
    return screenshots::Grab(form);
}

// Each mood in a column: its name, the large picture at 100 %, the small one at 100 % on white
// and on a list's highlight, then both at 200 %.
QImage MoodSheet()
{
    constexpr int Column = 140;
    constexpr int Margin = 12;
    const QList<QPixmap> large = MoodPictures();
    const QList<QPixmap> small = MoodIcons();
    QImage sheet(Margin + MoodCount * Column, 300, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    painter.setFont(font);
    for (int mood = 0; mood < MoodCount; ++mood) {
        const int x = Margin + mood * Column;
        painter.setPen(Qt::black);
        painter.drawText(x, 18, QStringLiteral("%1 %2").arg(mood).arg(QString::fromLatin1(MoodNames[mood])));
        painter.drawPixmap(x, 28, large[mood]);
        painter.drawPixmap(x + 76, 28, small[mood]);
        painter.fillRect(x + 72, 62, 30, 30, QColor(0, 120, 215));
        painter.drawPixmap(x + 76, 66, small[mood]);
        painter.drawPixmap(QRect(x, 104, 128, 128), large[mood]);
        painter.drawPixmap(QRect(x, 240, 44, 44), small[mood]);
    }
    return sheet;
}

DAYBROOK_SCREENSHOT("clipart-picker", [] { return PickerWindow(); });
DAYBROOK_SCREENSHOT("moods", [] { return MoodSheet(); });

} // namespace
